// The keyboard: Windows virtual-key codes of physical keys to the commands of keypad keys, which
// RunCommand carries out as if the key had been clicked.
#pragma once

#include <optional>

#include "input/Keypad.h"

namespace orvane {

// The keypad key a virtual-key code (input/VirtualKeys.h) stands for, or nothing.
std::optional<Command> KeypadKeyFor(int virtualKey);

}  // namespace orvane
