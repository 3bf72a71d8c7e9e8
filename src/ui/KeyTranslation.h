// Key events to Windows virtual-key codes, as the active layout assigns them: a pure function
// of what the event and the layout tell about the key, the same on every display server.
#pragma once

#include <QString>
#include <Qt>
#include <optional>

class QKeyEvent;

namespace orvane::ui {

enum class Host { Windows, Other };

#ifdef Q_OS_WIN
inline constexpr Host kHost = Host::Windows;
#else
inline constexpr Host kHost = Host::Other;
#endif

// What the active keyboard layout types on a key: its characters without and with Shift in the
// active group, what it types with Num Lock as it is and no other modifier (an X keysym, which
// X11 and Wayland keymaps share), and whether the layout types Latin letters at all.
struct KeyLevels {
    char32_t first = 0;
    char32_t second = 0;
    bool latinLayout = true;
    quint32 typed = 0;
};

// What a key event tells about the key that was pressed.
struct KeyFacts {
    int qtKey = 0;
    Qt::KeyboardModifiers modifiers;
    quint32 nativeScanCode = 0;  // on Linux the XKB key code: the evdev code plus 8
    quint32 nativeVirtualKey = 0;
    QString text;                     // the characters the event carries
    std::optional<KeyLevels> levels;  // absent where no keymap can be had
};

KeyFacts FactsOf(const QKeyEvent& event);

// The Windows virtual-key code of the key, as the active layout assigns it (Windows' own rule,
// also on Linux), or 0 when it has none we know.
int VirtualKeyFor(const KeyFacts& key, Host host = kHost);

// A character sent as Unicode on Windows (on-screen keyboards, auto-type, remote desktops):
// the event's code is VK_PACKET and the character comes beside it.
bool IsSentCharacter(const QKeyEvent& event);

}  // namespace orvane::ui
