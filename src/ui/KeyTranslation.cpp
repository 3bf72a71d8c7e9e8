#include "ui/KeyTranslation.h"

#include <QChar>
#include <QKeyEvent>
#include <array>
#include <string_view>
#include <utility>

#include "input/VirtualKeys.h"

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace orvane::ui {
namespace {

// Windows' code of a key event that carries a character sent as Unicode.
constexpr quint32 kPacket = 0xE7;

#ifdef Q_OS_WIN
// Windows hands over its own codes, which the key map reads as they come.
static_assert(vk::Back == VK_BACK && vk::Tab == VK_TAB && vk::Clear == VK_CLEAR &&
              vk::Return == VK_RETURN && vk::Shift == VK_SHIFT && vk::Control == VK_CONTROL &&
              vk::Menu == VK_MENU && vk::Escape == VK_ESCAPE && vk::Space == VK_SPACE &&
              vk::Prior == VK_PRIOR && vk::Next == VK_NEXT && vk::End == VK_END &&
              vk::Home == VK_HOME && vk::Left == VK_LEFT && vk::Up == VK_UP &&
              vk::Right == VK_RIGHT && vk::Down == VK_DOWN && vk::Insert == VK_INSERT &&
              vk::Delete == VK_DELETE && vk::Numpad0 == VK_NUMPAD0 && vk::Multiply == VK_MULTIPLY &&
              vk::Add == VK_ADD && vk::Separator == VK_SEPARATOR && vk::Subtract == VK_SUBTRACT &&
              vk::Decimal == VK_DECIMAL && vk::Divide == VK_DIVIDE && vk::F1 == VK_F1 &&
              vk::OemPlus == VK_OEM_PLUS && vk::OemComma == VK_OEM_COMMA &&
              vk::OemMinus == VK_OEM_MINUS && vk::OemPeriod == VK_OEM_PERIOD &&
              vk::Oem2 == VK_OEM_2 && kPacket == VK_PACKET);
#endif

// Linux evdev codes of the main keyboard's keys, which name the physical key whatever the layout
// and the modifiers; X11's and Wayland's XKB key codes are these plus 8.
constexpr std::array<std::pair<quint32, int>, 32> kEvdev{{
    {1, vk::Escape},   {2, '1'},           {3, '2'},
    {4, '3'},          {5, '4'},           {6, '5'},
    {7, '6'},          {8, '7'},           {9, '8'},
    {10, '9'},         {11, '0'},          {12, vk::OemMinus},
    {13, vk::OemPlus}, {14, vk::Back},     {15, vk::Tab},
    {28, vk::Return},  {51, vk::OemComma}, {52, vk::OemPeriod},
    {53, vk::Oem2},    {57, vk::Space},    {102, vk::Home},
    {103, vk::Up},     {104, vk::Prior},   {105, vk::Left},
    {106, vk::Right},  {107, vk::End},     {108, vk::Down},
    {109, vk::Next},   {110, vk::Insert},  {111, vk::Delete},
    {42, vk::Shift},   {29, vk::Control},
}};
constexpr quint32 kXkbKeyCodeOffset = 8;

// The letter keys' evdev codes, row by row, in the order of a US keyboard's letters.
constexpr std::array<std::pair<quint32, std::string_view>, 3> kEvdevLetterRows{
    {{16, "QWERTYUIOP"}, {30, "ASDFGHJKL"}, {44, "ZXCVBNM"}}};

// The code of the key at this position on a US keyboard, letters included when asked.
int FromScanCode(quint32 evdev, bool letters) {
    for (const auto& [code, vk] : kEvdev) {
        if (code == evdev) return vk;
    }
    if (letters) {
        for (const auto& [first, row] : kEvdevLetterRows) {
            if (evdev >= first && evdev < first + row.size()) return row[evdev - first];
        }
    }
    return 0;
}

// A letter of a script other than Latin, as a Cyrillic or Greek layout types.
bool IsNonLatinLetter(int key) {
    if (key <= 0 || key > 0xFFFF) return false;
    const QChar c(static_cast<char16_t>(key));
    return c.isLetter() && c.script() != QChar::Script_Latin;
}

// The codes Windows gives the punctuation keys of a Latin layout, wherever the layout puts
// them; 0 for the rest (a key that types ';' or '§' has a code, but none of ours).
int FromPunctuation(char32_t c) {
    switch (c) {
        case '.':
            return vk::OemPeriod;
        case ',':
            return vk::OemComma;
        case '-':
            return vk::OemMinus;
        case '+':
        case '=':
            return vk::OemPlus;
        case '/':
            return vk::Oem2;
        default:
            return 0;
    }
}

// A character's key as Windows codes it in a Latin layout: a letter by its capital, a digit by
// itself, punctuation as above.
int FromCharacter(char32_t c) {
    if (c >= 'a' && c <= 'z') return static_cast<int>(c - 'a') + 'A';
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<int>(c);
    return FromPunctuation(c);
}

// A key that types a character in the layout (not Tab, Enter or Escape).
bool IsCharacterKey(const KeyLevels& levels) { return levels.first > ' ' && levels.first != 0x7F; }

// The main keyboard's digit row, which keeps its place in every layout (AZERTY's types its
// digits with Shift).
bool IsDigitRow(quint32 evdev) { return evdev >= 2 && evdev <= 11; }

// A key of the main keyboard by the layout: in a Latin one by the character it types without
// Shift, or else a punctuation character it types with Shift (AZERTY's "; ." key is the period
// key); in any other layout by its place, as Windows does.
int FromLayout(quint32 evdev, const KeyLevels& levels) {
    if (IsDigitRow(evdev) || !levels.latinLayout || !IsCharacterKey(levels)) {
        return FromScanCode(evdev, !levels.latinLayout);
    }
    if (const int code = FromCharacter(levels.first)) return code;
    return FromPunctuation(levels.second);
}

// Keys that Qt names the same on both keyboards: arrows, editing keys, Enter.
int FromNavigationKey(int key) {
    switch (key) {
        case Qt::Key_Backspace:
            return vk::Back;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return vk::Tab;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return vk::Return;
        case Qt::Key_Escape:
            return vk::Escape;
        case Qt::Key_Left:
            return vk::Left;
        case Qt::Key_Up:
            return vk::Up;
        case Qt::Key_Right:
            return vk::Right;
        case Qt::Key_Down:
            return vk::Down;
        case Qt::Key_Delete:
            return vk::Delete;
        case Qt::Key_Insert:
            return vk::Insert;
        case Qt::Key_Home:
            return vk::Home;
        case Qt::Key_End:
            return vk::End;
        case Qt::Key_PageUp:
            return vk::Prior;
        case Qt::Key_PageDown:
            return vk::Next;
        case Qt::Key_Clear:
            return vk::Clear;
        case Qt::Key_Shift:
            return vk::Shift;
        case Qt::Key_Control:
            return vk::Control;
        case Qt::Key_Alt:
            return vk::Menu;
        default:
            return 0;
    }
}

// What the numeric keypad's keys type (X keysyms, shared by X11 and Wayland keymaps): digits,
// the point and operators with Num Lock on, navigation keys with it off.
constexpr std::array<std::pair<quint32, int>, 28> kKeypadSymbols{{
    {0xffb0, vk::Numpad0},  {0xffb1, vk::Numpad1}, {0xffb2, vk::Numpad2},
    {0xffb3, vk::Numpad3},  {0xffb4, vk::Numpad4}, {0xffb5, vk::Numpad5},
    {0xffb6, vk::Numpad6},  {0xffb7, vk::Numpad7}, {0xffb8, vk::Numpad8},
    {0xffb9, vk::Numpad9},  {0xffae, vk::Decimal}, {0xffac, vk::Decimal},  // KP_Separator too
    {0xffaa, vk::Multiply}, {0xffab, vk::Add},     {0xffad, vk::Subtract},
    {0xffaf, vk::Divide},   {0xff8d, vk::Return},  {0xff95, vk::Home},
    {0xff96, vk::Left},     {0xff97, vk::Up},      {0xff98, vk::Right},
    {0xff99, vk::Down},     {0xff9a, vk::Prior},   {0xff9b, vk::Next},
    {0xff9c, vk::End},      {0xff9d, vk::Clear},   {0xff9e, vk::Insert},
    {0xff9f, vk::Delete},
}};

int FromKeypadSymbol(quint32 symbol) {
    for (const auto& [sym, vk] : kKeypadSymbols) {
        if (sym == symbol) return vk;
    }
    return 0;
}

// Without a keymap (a synthetic event): the keypad by Qt's key and keypad flag.
int FromKeypadKey(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return vk::Numpad0 + (key - Qt::Key_0);
    switch (key) {
        case Qt::Key_Asterisk:
            return vk::Multiply;
        case Qt::Key_Plus:
            return vk::Add;
        case Qt::Key_Minus:
            return vk::Subtract;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return vk::Decimal;  // whatever the layout prints
        case Qt::Key_Slash:
            return vk::Divide;
        default:
            return FromNavigationKey(key);
    }
}

// A synthetic event has no scan code: the Qt key is all there is.
int FromMainKey(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return vk::F1 + (key - Qt::Key_F1);
    switch (key) {
        case Qt::Key_Period:
            return vk::OemPeriod;
        case Qt::Key_Comma:
            return vk::OemComma;
        case Qt::Key_Minus:
            return vk::OemMinus;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            return vk::OemPlus;
        case Qt::Key_Slash:
            return vk::Oem2;
        case Qt::Key_Space:
            return vk::Space;
        default:
            return FromNavigationKey(key);
    }
}

}  // namespace

int VirtualKeyFor(const KeyFacts& key, Host host) {
    if (host == Host::Windows) {
        // Characters sent as Unicode (on-screen keyboards, auto-type, remote desktops) come
        // as one code for all, with the character beside it.
        if (key.nativeVirtualKey == kPacket) {
            return key.text.size() == 1 ? FromCharacter(key.text.front().unicode()) : 0;
        }
        // Otherwise the layout has named the key; only a synthetic event (a test's, an
        // accessibility tool's) comes without a code, and then the Qt key is all there is.
        if (key.nativeVirtualKey != 0) return static_cast<int>(key.nativeVirtualKey);
    }
    const bool hasPlace = host == Host::Other && key.nativeScanCode > kXkbKeyCodeOffset;
    const quint32 evdev = hasPlace ? key.nativeScanCode - kXkbKeyCodeOffset : 0;
    if (hasPlace && key.levels) {
        if (const int keypad = FromKeypadSymbol(key.levels->typed)) return keypad;
        return FromLayout(evdev, *key.levels);
    }
    if (key.modifiers.testFlag(Qt::KeypadModifier)) return FromKeypadKey(key.qtKey);
    // Without the layout: letters as Qt names them, other keys by their place, a letter that is
    // not Latin by its place too (a Russian user's R key still resets).
    if (key.qtKey >= Qt::Key_A && key.qtKey <= Qt::Key_Z) return 'A' + (key.qtKey - Qt::Key_A);
    if (hasPlace) return FromScanCode(evdev, IsNonLatinLetter(key.qtKey));
    return FromMainKey(key.qtKey);
}

KeyFacts FactsOf(const QKeyEvent& event) {
    return {event.key(),  event.modifiers(), event.nativeScanCode(), event.nativeVirtualKey(),
            event.text(), std::nullopt};
}

bool IsSentCharacter(const QKeyEvent& event) {
    return kHost == Host::Windows && event.nativeVirtualKey() == kPacket;
}

}  // namespace orvane::ui
