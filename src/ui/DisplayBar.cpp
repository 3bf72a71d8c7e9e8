#include "ui/DisplayBar.h"

#include <QLinearGradient>
#include <QPainter>

#include "ui/Palette.h"

namespace orvane::ui {

void DisplayBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), kWindowColour);
    const QRectF bar = QRectF(rect()).adjusted(2, 2, -2, -2);
    QLinearGradient gradient(bar.topLeft(), bar.bottomLeft());
    gradient.setColorAt(0, kDisplayBarTop);
    gradient.setColorAt(0.5, kDisplayBarMiddle);
    gradient.setColorAt(1, kDisplayBarBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawRoundedRect(bar, 5, 5);
}

}  // namespace orvane::ui
