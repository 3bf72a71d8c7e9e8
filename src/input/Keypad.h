// The calculator's commands, one vocabulary for the keyboard, the mouse, the menus, the key
// sessions and the fuzz target, and the 43 keypad keys among them: one table that the window
// paints from, the dispatcher acts from and the key sessions name keys from.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/Calculator.h"

namespace orvane {

// A command's value is its code: explicit and append-only, as stored key sequences (the fuzz
// corpus) name commands by it; the first 43 are the keypad's indexes. Other values (a fuzzer's
// -1) name no command.
enum class Command {
    Digit0 = 0,
    Digit1 = 1,
    Digit2 = 2,
    Digit3 = 3,
    Digit4 = 4,
    Digit5 = 5,
    Digit6 = 6,
    Digit7 = 7,
    Digit8 = 8,
    Digit9 = 9,
    Point = 10,
    ClearOrDrop = 11,
    NaturalLog = 12,
    DeleteLast = 13,
    Enter = 14,
    Swap = 15,
    Add = 16,
    Subtract = 17,
    Multiply = 18,
    Divide = 19,
    Reset = 20,  // also the menu's "&Clear stack"
    Extract = 21,
    RotatePositive = 22,
    RotateNegative = 23,
    Pi = 24,
    Sign = 25,
    Reciprocal = 26,
    Percent = 27,
    SquareRoot = 28,
    Power = 29,
    Drop = 30,
    ScaleByPowerOf10 = 31,
    Floor = 32,
    Mod = 33,
    Sin = 34,
    Cos = 35,
    Tan = 36,
    ArcSin = 37,
    ArcCos = 38,
    ArcTan = 39,
    PowerOf10 = 40,
    Factorial = 41,
    Random = 42,
    // The menu commands (Clear stack is the Reset key's).
    Undo = 43,
    SaveStack = 44,
    LoadStack = 45,
    CopyTop = 46,
    PasteIntoEntry = 47,
    UseDegrees = 48,
    UseRadians = 49,
    OpenWebSite = 50,
    OpenFeedbackPage = 51,
    ShowAbout = 52,
};

enum class KeyColour { LightGrey, Red, Orange, Brown, DarkGrey };

// When a command takes the undo snapshot, judged on the state before its action: a column of
// the command tables, which TakesSnapshot reads.
enum class Snapshot {
    Never,
    Always,
    IfStackHasValues,  // Drop and Extract: only when there is a value to take
    IfEntryEmpty,      // AC drops then, and snapshots even an empty stack
    IfOnTop,           // the sign key acts on the top: entry empty, stack not
};

struct KeypadKey {
    Command command;
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

constexpr int CodeOf(Command command) { return static_cast<int>(command); }

// The table: each key once, and no two keys share a name.
std::span<const KeypadKey, kKeypadKeys> Keypad();

// Whether the key calculates: it computes a result from the stack (and a pending entry), as
// every key that always takes the undo snapshot does but Enter and the reset key.
constexpr bool Calculates(const KeypadKey& key) {
    return key.snapshot == Snapshot::Always && key.command != Command::Enter &&
           key.command != Command::Reset;
}

// The key of this command, if it is one.
const KeypadKey* KeyFor(Command command);

// Whether the rule calls for the undo snapshot now.
bool TakesSnapshot(Snapshot rule, const Calculator& calc);

}  // namespace orvane
