// What a start does on any desktop: the indicator labels keep their font, and Qt's messages
// reach the user.
#include "ui/StartupMessages.h"

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

// One line, status 1: Qt's fatal message and the warning before it, trimmed.
TEST(Startup, AFatalMessageEndsTheProgramWithOneLine) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        (HoldStartupMessages(), qWarning(" no display "), qFatal("Failed.\n\nPlugins: xcb.\n")),
        testing::ExitedWithCode(1),
        "(^|\n)orvane-calc: cannot open a window: no display; Failed. Plugins: xcb.\n$");
}

std::vector<std::string> passedOn;

void Catch(QtMsgType, const QMessageLogContext&, const QString& text) {
    passedOn.push_back(text.toStdString());
}

TEST(Startup, OtherMessagesGoOnOnceTheApplicationIsBuilt) {
    const QtMessageHandler before = qInstallMessageHandler(Catch);
    HoldStartupMessages();
    qWarning("held back");
    const auto whileHeld = passedOn;
    ReleaseStartupMessages();
    qInstallMessageHandler(before);
    EXPECT_TRUE(whileHeld.empty());
    EXPECT_EQ(passedOn, std::vector<std::string>{"held back"});
}

}  // namespace
}  // namespace orvane::ui
