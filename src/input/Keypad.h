// The 43 keypad keys: one table that the window paints from and the dispatcher acts from.
// A key's index is the calculator's command code; the keyboard and the menu use it too.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/Calculator.h"

namespace orvane {

enum class KeyColour { LightGrey, Red, Orange, Brown, DarkGrey };

struct KeypadKey {
    int index;
    std::string_view face;     // UTF-8
    std::string_view tooltip;  // also the key's accessible name
    int row;                   // 0-4 main block, 5-6 function block
    int column;                // 0-6
    bool wide;                 // two columns
    KeyColour colour;
    void (*action)(Calculator&);
};

inline constexpr int kKeypadKeys = 43;
inline constexpr int kResetKey = 20;  // also the menu's "&Clear stack"

// The table, in index order: Keypad()[i].index == i.
std::span<const KeypadKey, kKeypadKeys> Keypad();

// What an action leaves for the window to do besides redrawing.
struct Outcome {
    bool stackFull = false;  // show the "Stack is full." box
};

// Carries out the action of key `index`; an index outside 0-42 does nothing.
Outcome PressKey(Calculator& calc, int index);

}  // namespace orvane
