#include "ui/KeypadButton.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include "ui/Geometry.h"
#include "ui/Palette.h"

namespace orvane::ui {
namespace {

struct Shades {
    QColor top, bottom, text;
};

Shades ShadesOf(KeyColour colour) {
    switch (colour) {
        case KeyColour::LightGrey:
            return {{229, 229, 229}, {210, 210, 210}, {40, 40, 40}};
        case KeyColour::Red:
            return {{180, 44, 44}, {164, 37, 37}, Qt::white};
        case KeyColour::Orange:
            return {{247, 132, 37}, {226, 119, 30}, Qt::white};
        case KeyColour::Brown:
            return {{118, 101, 92}, {106, 90, 81}, Qt::white};
        case KeyColour::DarkGrey:
            break;
    }
    return {{90, 96, 99}, {80, 85, 88}, Qt::white};
}

}  // namespace

KeypadButton::KeypadButton(const KeypadKey& key, QWidget* parent)
    : QAbstractButton(parent), key_(key) {
    setGeometry(KeyRect(key.row, key.column, key.wide));
    setFocusPolicy(Qt::NoFocus);
    const QString tooltip = QString::fromUtf8(key.tooltip.data(), qsizetype(key.tooltip.size()));
    setToolTip(tooltip);
    setAccessibleName(tooltip);
    setText(QString::fromUtf8(key.face.data(), qsizetype(key.face.size())));
    connect(this, &QAbstractButton::clicked, this, [this] { emit keyReleased(IndexOf(key_.key)); });
}

void KeypadButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), kWindowColour);
    const Shades shades = ShadesOf(key_.colour);
    const QRectF face = QRectF(rect()).adjusted(1, 1, -1, -1);
    QLinearGradient gradient(face.topLeft(), face.bottomLeft());
    gradient.setColorAt(0, shades.top);
    gradient.setColorAt(1, shades.bottom);
    p.setPen(QPen(shades.bottom.darker(130), 1));
    p.setBrush(gradient);
    p.drawRoundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    QFont f = font();
    f.setPointSizeF(8);
    f.setBold(true);
    p.setFont(f);
    p.setPen(shades.text);
    p.drawText(face, Qt::AlignCenter, text());
}

void KeypadButton::mousePressEvent(QMouseEvent* event) { event->accept(); }

void KeypadButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (rect().contains(event->position().toPoint())) emit keyReleased(IndexOf(key_.key));
}

}  // namespace orvane::ui
