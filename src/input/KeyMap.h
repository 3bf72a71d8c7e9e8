// The keyboard: Windows virtual-key codes of physical keys to keypad keys.
#pragma once

#include <optional>

#include "input/Keypad.h"

namespace orvane {

// The keypad key a virtual-key code (input/VirtualKeys.h) stands for, or nothing.
std::optional<Key> KeypadKeyFor(int virtualKey);

// A key press: the mapped key's action, as if it had been clicked.
Outcome KeyDown(Calculator& calc, int virtualKey);

}  // namespace orvane
