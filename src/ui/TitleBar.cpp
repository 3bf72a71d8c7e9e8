#include "ui/TitleBar.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <functional>

#include "ui/Palette.h"

#ifdef ORVANE_WAYLAND
#include <wayland-client.h>

#include <QtWaylandClient/QWaylandClientExtension>
#endif

namespace orvane::ui {
namespace {

constexpr int kHeight = 24;
constexpr int kButtonWidth = 28;
constexpr int kIconSize = 16;
const QColor kBarColour = kWindowColour.darker(125);

// A title bar button: its glyph, lighter under the mouse.
class TitleButton : public QAbstractButton {
  public:
    TitleButton(const QString& name, std::function<void(QPainter&, QPointF)> glyph, QWidget* parent)
        : QAbstractButton(parent), glyph_(std::move(glyph)) {
        setFocusPolicy(Qt::NoFocus);
        setAccessibleName(name);
        setToolTip(name);
        setAttribute(Qt::WA_Hover);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), underMouse() ? kWindowColour.lighter(160) : kBarColour);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(
            QPen(window()->isActiveWindow() ? QColor(230, 230, 230) : QColor(150, 150, 150), 1.5));
        glyph_(p, QRectF(rect()).center());
    }

  private:
    std::function<void(QPainter&, QPointF)> glyph_;
};

#ifdef ORVANE_WAYLAND
// Only the name of the xdg-decoration protocol's manager is asked for: whether it is offered.
const wl_interface kDecorationManager{"zxdg_decoration_manager_v1", 1, 0, nullptr, 0, nullptr};

class DecorationManagerOffered final : public QWaylandClientExtension {
  public:
    DecorationManagerOffered() : QWaylandClientExtension(1) { initialize(); }
    const wl_interface* extensionInterface() const override { return &kDecorationManager; }
    void bind(wl_registry*, int, int) override {}  // offered is all we ask
};
#endif

}  // namespace

bool NeedsOwnTitleBar() {
#ifdef ORVANE_WAYLAND
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return !DecorationManagerOffered().isActive();
    }
#endif
    return false;
}

TitleBar::TitleBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("titleBar"));
    setFocusPolicy(Qt::NoFocus);
    auto* minimise = new TitleButton(
        QStringLiteral("Minimize"),
        [](QPainter& p, QPointF c) { p.drawLine(c + QPointF(-5, 4), c + QPointF(5, 4)); }, this);
    auto* close = new TitleButton(
        QStringLiteral("Close"),
        [](QPainter& p, QPointF c) {
            p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
            p.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
        },
        this);
    connect(minimise, &QAbstractButton::clicked, this, [this] { window()->showMinimized(); });
    connect(close, &QAbstractButton::clicked, this, [this] { window()->close(); });
}

QSize TitleBar::sizeHint() const { return {0, kHeight}; }

void TitleBar::resizeEvent(QResizeEvent*) {
    const QList<QAbstractButton*> buttons = findChildren<QAbstractButton*>();
    for (int i = 0; i < buttons.size(); ++i) {  // in the order made: minimise, then close
        buttons[i]->setGeometry(width() - kButtonWidth * static_cast<int>(buttons.size() - i), 0,
                                kButtonWidth, height());
    }
}

void TitleBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kBarColour);
    const int margin = (height() - kIconSize) / 2;
    window()->windowIcon().paint(&p, QRect(margin, margin, kIconSize, kIconSize));
    const QRect title(2 * margin + kIconSize, 0,
                      width() - 2 * kButtonWidth - 3 * margin - kIconSize, height());
    p.setPen(window()->isActiveWindow() ? QColor(230, 230, 230) : QColor(150, 150, 150));
    p.drawText(title, Qt::AlignVCenter | Qt::AlignLeft,
               fontMetrics().elidedText(window()->windowTitle(), Qt::ElideRight, title.width()));
}

void TitleBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && window()->windowHandle() != nullptr) {
        window()->windowHandle()->startSystemMove();
    }
}

void TitleBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) update();  // the title dims in the background
    QWidget::changeEvent(event);
}

}  // namespace orvane::ui
