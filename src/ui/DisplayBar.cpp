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
    gradient.setColorAt(0, QColor(208, 216, 190));
    gradient.setColorAt(0.5, QColor(197, 215, 158));
    gradient.setColorAt(1, QColor(225, 245, 181));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawRoundedRect(bar, 5, 5);
}

}  // namespace orvane::ui
