#include "ui/Platform.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

#include "input/KeyMap.h"

namespace orvane::ui {
namespace {

// Real X11 events carry the scan code; synthetic ones only the Qt key; Windows the native key.
TEST(KeyDerivation, GivesThePhysicalKey) {
    struct Case {
        int qtKey;
        Qt::KeyboardModifiers modifiers;
        quint32 scanCode;
        int virtualKey;
    };
    const Qt::KeyboardModifiers kShift = Qt::ShiftModifier, kPad = Qt::KeypadModifier;
    for (const Case& c : std::initializer_list<Case>{
             {Qt::Key_P, Qt::ControlModifier, 41, 80},  // letters by the Qt key
             {Qt::Key_Asterisk, kShift, 17, 56},        // Shift+8 is the 8 key
             {Qt::Key_Greater, kShift, 60, 190},
             {Qt::Key_Minus, {}, 20, 189},
             {Qt::Key_Return, {}, 36, 13},
             {Qt::Key_Up, {}, 111, 38},
             {Qt::Key_Comma, kPad, 91, 110},  // the keypad's point in any layout
             {Qt::Key_1, kPad, 87, 97},
             {Qt::Key_Plus, kPad, 86, 107},
             {Qt::Key_Up, kPad, 80, 38},  // keypad 8 without Num Lock
             {Qt::Key_Delete, kPad, 91, 46},
             {Qt::Key_Clear, kPad, 84, 12},
             {Qt::Key_7, {}, 0, 55},  // synthetic: no scan code
             {Qt::Key_Period, {}, 0, 190},
             {Qt::Key_Enter, {}, 0, 13},
             {Qt::Key_Tab, {}, 0, 9},
             {Qt::Key_F1, {}, 0, 112}}) {
        const QKeyEvent event(QEvent::KeyPress, c.qtKey, c.modifiers, c.scanCode, 0, 0);
        EXPECT_EQ(VirtualKeyOf(event), c.virtualKey) << c.qtKey << " scan code " << c.scanCode;
    }
    EXPECT_EQ(VirtualKeyFor({Qt::Key_Up, kPad, 80, 104}, Host::Windows), 104);
}

}  // namespace
}  // namespace orvane::ui
