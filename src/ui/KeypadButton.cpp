#include "ui/KeypadButton.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include "ui/Fonts.h"
#include "ui/Geometry.h"
#include "ui/Palette.h"

namespace orvane::ui {
namespace {

// The face inside the window-coloured rim, and the caption's room inside it on either side.
QRectF FaceOf(const QRect& key) { return QRectF(key).adjusted(1, 1, -1, -1); }
constexpr qreal kCaptionPadding = 3;

}  // namespace

KeypadButton::KeypadButton(const KeypadKey& key, QWidget* parent)
    : QAbstractButton(parent), key_(key) {
    setGeometry(KeyRect(key.row, key.column, key.wide));
    const QString tooltip = QString::fromUtf8(key.tooltip.data(), qsizetype(key.tooltip.size()));
    setToolTip(tooltip);
    setAccessibleName(QString::fromUtf8(key.spoken.data(), qsizetype(key.spoken.size())));
    setAccessibleDescription(tooltip);
    setText(QString::fromUtf8(key.face.data(), qsizetype(key.face.size())));
    connect(this, &QAbstractButton::clicked, this,
            [this] { emit keyReleased(CodeOf(key_.command)); });
}

QFont KeypadButton::captionFont() const {
    QFont f = font();
    f.setPointSizeF(8);
    f.setBold(true);
    return FittingFont(
        f, {text()},
        FaceOf(rect()).adjusted(kCaptionPadding, 0, -kCaptionPadding, 0).size().toSize());
}

void KeypadButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), kWindowColour);
    const KeyShades shades = ShadesOf(key_.colour);
    const QRectF face = FaceOf(rect());
    QLinearGradient gradient(face.topLeft(), face.bottomLeft());
    gradient.setColorAt(0, shades.top);
    gradient.setColorAt(1, shades.bottom);
    p.setPen(QPen(shades.bottom.darker(130), 1));
    p.setBrush(gradient);
    p.drawRoundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.setFont(captionFont());
    p.setPen(shades.caption);
    p.drawText(face, Qt::AlignCenter, text());
}

void KeypadButton::mousePressEvent(QMouseEvent* event) { event->accept(); }

void KeypadButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (rect().contains(event->position().toPoint())) emit keyReleased(CodeOf(key_.command));
}

}  // namespace orvane::ui
