#include "ui/Platform.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

#include "ui/StartupMessages.h"

namespace orvane::ui {
namespace {

// The key events the end-to-end test cannot send: a keypad whose layout prints a comma, keypad
// 5 without Num Lock, events without a scan code, and the Windows path's native key.
TEST(KeyDerivation, GivesThePhysicalKey) {
    const Qt::KeyboardModifiers kPad = Qt::KeypadModifier;
    for (auto [qtKey, modifiers, scanCode, virtualKey] : {std::tuple{Qt::Key_Comma, kPad, 91u, 110},
                                                          {Qt::Key_Clear, kPad, 84u, 12},
                                                          {Qt::Key_7, {}, 0u, 55},
                                                          {Qt::Key_Period, {}, 0u, 190},
                                                          {Qt::Key_Enter, {}, 0u, 13},
                                                          {Qt::Key_F1, {}, 0u, 112},
                                                          {Qt::Key_Plus, kPad, 0u, 107}}) {
        const QKeyEvent event(QEvent::KeyPress, qtKey, modifiers, scanCode, 0, 0);
        EXPECT_EQ(VirtualKeyOf(event), virtualKey) << qtKey << " scan code " << scanCode;
    }
    EXPECT_EQ(VirtualKeyFor({Qt::Key_Up, kPad, 80, 104}, Host::Windows), 104);
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

TEST(Startup, OtherMessagesGoOnOnceTheApplicationIsBuilt) {
    const QtMessageHandler before =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
            passedOn.push_back(text.toStdString());
        });
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
