// The keyboard: Windows virtual-key codes of physical keys to keypad indexes.
#pragma once

#include <optional>

#include "input/Keypad.h"

namespace orvane {

// The keypad index a virtual-key code stands for, or nothing for an unmapped key.
std::optional<int> KeypadIndexForKey(int virtualKey);

// A key press: the mapped key's action, as if it had been clicked.
Outcome KeyDown(Calculator& calc, int virtualKey);

}  // namespace orvane
