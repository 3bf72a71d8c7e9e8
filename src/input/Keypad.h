// The 43 keypad keys: one table that the window paints from, the dispatcher acts from and the key
// sessions name keys from. A key's index is the calculator's command code; the keyboard and the
// menu use it too.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/Calculator.h"

namespace orvane {

// The keys by index, in the table's order (checked as it compiles); other values (a fuzzer's -1
// or 43) name no key.
enum class Key {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Point,
    ClearOrDrop,
    NaturalLog,
    DeleteLast,
    Enter,
    Swap,
    Add,
    Subtract,
    Multiply,
    Divide,
    Reset,  // also the menu's "&Clear stack"
    Extract,
    RotatePositive,
    RotateNegative,
    Pi,
    Sign,
    Reciprocal,
    Percent,
    SquareRoot,
    Power,
    Drop,
    ScaleByPowerOf10,
    Floor,
    Mod,
    Sin,
    Cos,
    Tan,
    ArcSin,
    ArcCos,
    ArcTan,
    PowerOf10,
    Factorial,
    Random,
};

enum class KeyColour { LightGrey, Red, Orange, Brown, DarkGrey };

// When a key takes the undo snapshot, judged on the state before its action: the one place
// that decides it.
enum class Snapshot {
    Never,
    Always,
    IfStackHasValues,  // Drop and Extract: only when there is a value to take
    IfEntryEmpty,      // AC drops then, and snapshots even an empty stack
    IfOnTop,           // the sign key acts on the top: entry empty, stack not
};

struct KeypadKey {
    Key key;
    std::string_view name;     // ASCII, unique: how the key sessions write the key
    std::string_view face;     // UTF-8
    std::string_view tooltip;  // also the key's accessible description
    std::string_view spoken;   // its accessible name: what it does, in words
    int row;                   // 0-4 main block, 5-6 function block
    int column;                // 0 to kKeypadColumns - 1
    bool wide;                 // two columns
    KeyColour colour;
    Snapshot snapshot;
    Outcome (*action)(Calculator&);
};

inline constexpr int kKeypadKeys = 43;
// The grid the keys fill, one to a cell (a wide key two): the table is checked against it as it
// compiles, and the window places the keys on it.
inline constexpr int kKeypadRows = 7;
inline constexpr int kKeypadColumns = 7;

constexpr int IndexOf(Key key) { return static_cast<int>(key); }

// The table, in index order: Keypad()[i].key == Key(i), and no two keys share a name.
std::span<const KeypadKey, kKeypadKeys> Keypad();

// Takes the key's undo snapshot and carries out its action; no key, no action.
Outcome PressKey(Calculator& calc, Key key);

}  // namespace orvane
