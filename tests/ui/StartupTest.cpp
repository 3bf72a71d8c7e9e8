// What a start does on any desktop: the indicator labels keep their font.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include "ui/MainWindow.h"

namespace orvane::ui {
namespace {

TEST(Startup, IndicatorLabelsStayAt8Point25RegularUnderALargeBoldDefault) {
    const QFont before = QApplication::font();
    QFont large = before;
    large.setPointSizeF(14);
    large.setBold(true);
    QApplication::setFont(large);
    const MainWindow window{StackFilePlace(QString())};
    for (const QLabel* label : {window.countLabel(), window.angleLabel()}) {
        EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 8.25);
        EXPECT_FALSE(label->font().bold());
    }
    QApplication::setFont(before);
}

}  // namespace
}  // namespace orvane::ui
