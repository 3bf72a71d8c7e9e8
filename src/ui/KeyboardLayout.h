// What the active keyboard layout types on a key, asked of the X server's keymap, so that the
// key codes follow the layout as Windows assigns them.
#pragma once

#include <QtGlobal>
#include <optional>

#include "ui/Platform.h"

namespace orvane::ui {

// The characters on the key with this X key code in the layout group that the event's state
// names; nothing where there is no X keymap to ask (another platform, Wayland, a test).
std::optional<KeyLevels> LevelsOfKey(quint32 keyCode, quint32 nativeModifiers);

}  // namespace orvane::ui
