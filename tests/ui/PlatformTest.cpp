#include "ui/Platform.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

#include "input/KeyMap.h"

namespace orvane::ui {
namespace {

struct KeyCase {
    const char* what;
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    quint32 scanCode;
    int virtualKey;
};

std::ostream& operator<<(std::ostream& os, const KeyCase& c) { return os << c.what; }

class KeyDerivation : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyDerivation, GivesThePhysicalKey) {
    const KeyCase& c = GetParam();
    // Built as a real event, as the window receives it.
    const QKeyEvent event(QEvent::KeyPress, c.qtKey, c.modifiers, c.scanCode, 0, 0);
    EXPECT_EQ(VirtualKeyOf(event), c.virtualKey) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    X11AndSynthetic, KeyDerivation,
    testing::Values(KeyCase{"letter", Qt::Key_P, Qt::NoModifier, 41, 80},
                    KeyCase{"ctrl letter", Qt::Key_P, Qt::ControlModifier, 41, 80},
                    KeyCase{"shift 8 is 8", Qt::Key_Asterisk, Qt::ShiftModifier, 17, 56},
                    KeyCase{"shifted period", Qt::Key_Greater, Qt::ShiftModifier, 60, 190},
                    KeyCase{"period", Qt::Key_Period, Qt::NoModifier, 60, 190},
                    KeyCase{"main minus", Qt::Key_Minus, Qt::NoModifier, 20, 189},
                    KeyCase{"backspace", Qt::Key_Backspace, Qt::NoModifier, 22, 8},
                    KeyCase{"return", Qt::Key_Return, Qt::NoModifier, 36, 13},
                    KeyCase{"up", Qt::Key_Up, Qt::NoModifier, 111, 38},
                    KeyCase{"delete", Qt::Key_Delete, Qt::NoModifier, 119, 46},
                    KeyCase{"keypad 1", Qt::Key_1, Qt::KeypadModifier, 87, 97},
                    KeyCase{"keypad point", Qt::Key_Period, Qt::KeypadModifier, 91, 110},
                    KeyCase{"keypad comma layout", Qt::Key_Comma, Qt::KeypadModifier, 91, 110},
                    KeyCase{"keypad enter", Qt::Key_Enter, Qt::KeypadModifier, 104, 13},
                    KeyCase{"keypad plus", Qt::Key_Plus, Qt::KeypadModifier, 86, 107},
                    KeyCase{"keypad 8 without num lock", Qt::Key_Up, Qt::KeypadModifier, 80, 38},
                    KeyCase{"keypad point without num lock", Qt::Key_Delete, Qt::KeypadModifier, 91,
                            46},
                    KeyCase{"keypad 5 without num lock", Qt::Key_Clear, Qt::KeypadModifier, 84, 12},
                    KeyCase{"shift alone", Qt::Key_Shift, Qt::ShiftModifier, 50, 16},
                    KeyCase{"synthetic digit", Qt::Key_7, Qt::NoModifier, 0, 55},
                    KeyCase{"synthetic period", Qt::Key_Period, Qt::NoModifier, 0, 190},
                    KeyCase{"synthetic enter", Qt::Key_Enter, Qt::NoModifier, 0, 13},
                    KeyCase{"synthetic tab", Qt::Key_Tab, Qt::NoModifier, 0, 9},
                    KeyCase{"synthetic F1", Qt::Key_F1, Qt::NoModifier, 0, 112}));

TEST(KeyDerivation, WindowsTakesTheNativeVirtualKey) {
    for (auto [qtKey, native] : {std::pair{Qt::Key_Asterisk, 56u},
                                 {Qt::Key_Period, 190u},
                                 {Qt::Key_1, 97u},
                                 {Qt::Key_Up, 104u}}) {
        const QKeyEvent event(QEvent::KeyPress, qtKey, Qt::ShiftModifier, 9, native, 0);
        EXPECT_EQ(VirtualKeyFor({event.key(), event.modifiers(), event.nativeScanCode(),
                                 event.nativeVirtualKey()},
                                Host::Windows),
                  static_cast<int>(native));
    }
}

}  // namespace
}  // namespace orvane::ui
