// Windows virtual-key codes: the key map's input, and what the platform layer makes of Qt's
// key events. Letters and the digit row are their ASCII capitals and digits ('A', '0'). Each
// run counts up from its first code, as Windows numbers them; the Windows build checks every
// code against the system's own.
#pragma once

namespace orvane::vk {

enum : int {
    Back = 8,
    Tab,
    Clear = 12,
    Return,
    Shift = 16,
    Control,
    Menu,
    Escape = 27,
    Space = 32,
    Prior,
    Next,
    End,
    Home,
    Left,
    Up,
    Right,
    Down,
    Insert = 45,
    Delete,
    Numpad0 = 96,
    Numpad1,
    Numpad2,
    Numpad3,
    Numpad4,
    Numpad5,
    Numpad6,
    Numpad7,
    Numpad8,
    Numpad9,
    Multiply,
    Add,
    Separator,
    Subtract,
    Decimal,
    Divide,
    F1,
    OemPlus = 187,
    OemComma,
    OemMinus,
    OemPeriod,
    Oem2,
};

}  // namespace orvane::vk
