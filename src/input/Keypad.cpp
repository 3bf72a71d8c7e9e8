#include "input/Keypad.h"

#include <algorithm>

#include "input/EntryLine.h"
#include "ops/Operations.h"

namespace orvane {
namespace {

template <int D>
Outcome Digit(Calculator& c) {
    static_assert(D >= 0 && D <= 9);
    AppendDigit(c, D);
    return {};
}

// An action that pushes nothing, so no "Stack is full." box can follow it.
template <void (*Action)(Calculator&)>
Outcome Silent(Calculator& c) {
    Action(c);
    return {};
}

void Drop(Calculator& c) { c.drop(); }
void Extract(Calculator& c) { c.extractTop(); }
void Swap(Calculator& c) { c.swapTopTwo(); }
void RotatePositive(Calculator& c) { c.rotateBottomToTop(); }
void RotateNegative(Calculator& c) { c.rotateTopToBottom(); }

using enum KeyColour;
using enum Snapshot;
using K = Command;

constexpr auto kKeys = std::to_array<KeypadKey>({
    {K::Digit0, "0", "0", "0", "0", 4, 3, false, LightGrey, Never, Digit<0>},
    {K::Digit1, "1", "1", "1", "1", 3, 2, false, LightGrey, Never, Digit<1>},
    {K::Digit2, "2", "2", "2", "2", 3, 3, false, LightGrey, Never, Digit<2>},
    {K::Digit3, "3", "3", "3", "3", 3, 4, false, LightGrey, Never, Digit<3>},
    {K::Digit4, "4", "4", "4", "4", 2, 2, false, LightGrey, Never, Digit<4>},
    {K::Digit5, "5", "5", "5", "5", 2, 3, false, LightGrey, Never, Digit<5>},
    {K::Digit6, "6", "6", "6", "6", 2, 4, false, LightGrey, Never, Digit<6>},
    {K::Digit7, "7", "7", "7", "7", 1, 2, false, LightGrey, Never, Digit<7>},
    {K::Digit8, "8", "8", "8", "8", 1, 3, false, LightGrey, Never, Digit<8>},
    {K::Digit9, "9", "9", "9", "9", 1, 4, false, LightGrey, Never, Digit<9>},
    {K::Point, ".", ".", "Decimal", "Decimal point", 4, 4, false, LightGrey, Never,
     Silent<AppendDecimalPoint>},
    {K::ClearOrDrop, "AC", "AC", "Clear display / Drop last value",
     "Clear entry or drop last value", 0, 3, false, Red, IfEntryEmpty, Silent<ClearOrDrop>},
    {K::NaturalLog, "Ln", "Ln", "Natural Logarithm", "Natural logarithm", 6, 4, false, DarkGrey,
     Always, ops::NaturalLog},
    {K::DeleteLast, "Del", "Del", "Delete last digit in display", "Delete last digit", 0, 2, false,
     Red, Never, Silent<DeleteLastCharacter>},
    {K::Enter, "Enter", "Enter", "Enter (Shortcut: ENTER)", "Enter", 4, 5, true, Orange, Always,
     Enter},
    {K::Swap, "Swap", "Swap", "Swap last values (Shortcut: UP)", "Swap last two values", 2, 0, true,
     Orange, Never, Silent<Swap>},
    {K::Add, "+", "+", "Add", "Add", 3, 5, false, Brown, Always, ops::Add},
    {K::Subtract, "-", "\u2212", "Substract", "Subtract", 2, 5, false, Brown, Always,
     ops::Subtract},
    {K::Multiply, "*", "\u00D7", "Multiply", "Multiply", 1, 5, false, Brown, Always, ops::Multiply},
    {K::Divide, "/", "\u00F7", "Divide", "Divide", 0, 5, false, Brown, Always, ops::Divide},
    {K::Reset, "C", "C", "Reset stack (Shortcut: R)", "Reset stack", 0, 4, false, Red, Always,
     Silent<ResetStack>},
    {K::Extract, "Extract", "Extract", "Extract last value (Shortcut: DOWN)", "Extract last value",
     4, 0, true, Orange, IfStackHasValues, Silent<Extract>},
    {K::RotatePositive, "Rot+", "Rotate +", "Rotate stack positive (Shortcut: RIGHT)",
     "Rotate bottom value to top", 0, 0, true, Orange, Never, Silent<RotatePositive>},
    {K::RotateNegative, "Rot-", "Rotate \u2212", "Rotate stack negative (Shortcut: LEFT)",
     "Rotate top value to bottom", 1, 0, true, Orange, Never, Silent<RotateNegative>},
    {K::Pi, "pi", "\u03C0", "Pi (Shortcut: P)", "Pi", 5, 3, false, DarkGrey, Never,
     Silent<EnterPi>},
    {K::Sign, "+/-", "\u00B1", "Positive / Negative (Shortcut: N)", "Change sign", 4, 2, false,
     LightGrey, IfOnTop, Silent<ToggleSign>},
    {K::Reciprocal, "1/x", "1/x", "Reciprocal", "Reciprocal", 1, 6, false, DarkGrey, Always,
     ops::Reciprocal},
    {K::Percent, "%", "%", "Percent", "Percent", 0, 6, false, DarkGrey, Always, ops::Percent},
    {K::SquareRoot, "sqrt", "\u221Ax", "Square root", "Square root", 3, 6, false, DarkGrey, Always,
     ops::SquareRoot},
    {K::Power, "x^y", "x\u207F", "Power", "Raise to the power", 2, 6, false, DarkGrey, Always,
     ops::Power},
    {K::Drop, "Drop", "Drop", "Drop last value", "Drop last value", 3, 0, true, Orange,
     IfStackHasValues, Silent<Drop>},
    {K::ScaleByPowerOf10, "Exp", "Exp", "Exponential", "Times ten to the power", 5, 5, false,
     DarkGrey, Always, ops::ScaleByPowerOf10},
    {K::Floor, "Int", "Int", "Convert to integer (Shortcut: I)", "Round down to integer", 6, 6,
     false, DarkGrey, Always, ops::Floor},
    {K::Mod, "Mod", "Mod", "Mod", "Modulo", 5, 6, false, DarkGrey, Always, ops::Mod},
    {K::Sin, "Sin", "Sin", "Sin", "Sine", 5, 0, false, DarkGrey, Always, ops::Sin},
    {K::Cos, "Cos", "Cos", "Cos", "Cosine", 5, 1, false, DarkGrey, Always, ops::Cos},
    {K::Tan, "Tan", "Tan", "Tan", "Tangent", 5, 2, false, DarkGrey, Always, ops::Tan},
    {K::ArcSin, "Asin", "Sin\u207B\u00B9", "Inverse Sin", "Inverse sine", 6, 0, false, DarkGrey,
     Always, ops::ArcSin},
    {K::ArcCos, "Acos", "Cos\u207B\u00B9", "Inverse Cos", "Inverse cosine", 6, 1, false, DarkGrey,
     Always, ops::ArcCos},
    {K::ArcTan, "Atan", "Tan\u207B\u00B9", "Inverse Tan", "Inverse tangent", 6, 2, false, DarkGrey,
     Always, ops::ArcTan},
    {K::PowerOf10, "10^x", "10\u02E3", "Power of 10", "Ten to the power", 6, 5, false, DarkGrey,
     Always, ops::PowerOf10},
    {K::Factorial, "x!", "x!", "Series", "Factorial", 6, 3, false, DarkGrey, Always,
     ops::Factorial},
    {K::Random, "Rnd", "Rnd", "Random number", "Random number", 5, 4, false, DarkGrey, Never,
     ops::RandomIntoEntry},
});

// The table is the one list of keys: each command once, under a name of its own, and the keys
// fill the grid, one to a cell.
constexpr bool Once(const KeypadKey& k) {
    return std::ranges::count(kKeys, k.command, &KeypadKey::command) == 1;
}
constexpr bool NamedOnce(const KeypadKey& k) {
    return std::ranges::count(kKeys, k.name, &KeypadKey::name) == 1;
}
constexpr bool FillsTheGrid() {
    using Row = std::array<int, kKeypadColumns>;
    std::array<Row, kKeypadRows> keysIn{};  // a cell off the grid fails to compile
    for (const KeypadKey& k : kKeys) {
        for (int c = k.column; c <= k.column + k.wide; ++c) ++keysIn.at(k.row).at(c);
    }
    return std::ranges::all_of(
        keysIn, [](const Row& row) { return std::ranges::count(row, 1) == std::ssize(row); });
}
static_assert(kKeys.size() == kKeypadKeys && std::ranges::all_of(kKeys, Once), "a key twice");
static_assert(std::ranges::all_of(kKeys, NamedOnce), "two keys of one name");
static_assert(FillsTheGrid(), "a cell with no key or two");

}  // namespace

std::span<const KeypadKey, kKeypadKeys> Keypad() { return kKeys; }

const KeypadKey* KeyFor(Command command) {
    const auto* key = std::ranges::find(kKeys, command, &KeypadKey::command);
    return key == kKeys.end() ? nullptr : key;
}

bool TakesSnapshot(Snapshot rule, const Calculator& calc) {
    switch (rule) {
        case Snapshot::Never:
            return false;
        case Snapshot::Always:
            return true;
        case Snapshot::IfStackHasValues:
            return calc.count() > 0;
        case Snapshot::IfEntryEmpty:
            return calc.entry().empty();
        case Snapshot::IfOnTop:
            return calc.entry().empty() && calc.count() > 0;
    }
    return false;
}

}  // namespace orvane
