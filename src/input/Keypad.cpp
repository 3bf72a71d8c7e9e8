#include "input/Keypad.h"

#include "input/EntryLine.h"
#include "ops/Operations.h"

namespace orvane {
namespace {

template <int D>
void Digit(Calculator& c) {
    AppendDigit(c, D);
}

// Operation keys receive the entry text as it stands at the press: a copy, since the
// operation rewrites the entry line.
template <void (*Operation)(Calculator&, const std::string&)>
void WithEntry(Calculator& c) {
    const std::string entry = c.entry();
    Operation(c, entry);
}

void Drop(Calculator& c) { c.drop(); }
void Extract(Calculator& c) { c.extractTop(); }
void Swap(Calculator& c) { c.swapTopTwo(); }
void RotatePositive(Calculator& c) { c.rotateBottomToTop(); }
void RotateNegative(Calculator& c) { c.rotateTopToBottom(); }

using enum KeyColour;

constexpr std::array<KeypadKey, kKeypadKeys> kKeys{{
    {0, "0", "0", 4, 3, false, LightGrey, Digit<0>},
    {1, "1", "1", 3, 2, false, LightGrey, Digit<1>},
    {2, "2", "2", 3, 3, false, LightGrey, Digit<2>},
    {3, "3", "3", 3, 4, false, LightGrey, Digit<3>},
    {4, "4", "4", 2, 2, false, LightGrey, Digit<4>},
    {5, "5", "5", 2, 3, false, LightGrey, Digit<5>},
    {6, "6", "6", 2, 4, false, LightGrey, Digit<6>},
    {7, "7", "7", 1, 2, false, LightGrey, Digit<7>},
    {8, "8", "8", 1, 3, false, LightGrey, Digit<8>},
    {9, "9", "9", 1, 4, false, LightGrey, Digit<9>},
    {10, ".", "Decimal", 4, 4, false, LightGrey, AppendDecimalPoint},
    {11, "AC", "Clear display / Drop last value", 0, 3, false, Red, ClearOrDrop},
    {12, "Ln", "Natural Logarithm", 6, 4, false, DarkGrey, WithEntry<ops::NaturalLog>},
    {13, "Del", "Delete last digit in display", 0, 2, false, Red, DeleteLastCharacter},
    {14, "Enter", "Enter (Shortcut: ENTER)", 4, 5, true, Orange, Enter},
    {15, "Swap", "Swap last values (Shortcut: UP)", 2, 0, true, Orange, Swap},
    {16, "+", "Add", 3, 5, false, Brown, WithEntry<ops::Add>},
    {17, "\u2212", "Substract", 2, 5, false, Brown, WithEntry<ops::Subtract>},
    {18, "\u00D7", "Multiply", 1, 5, false, Brown, WithEntry<ops::Multiply>},
    {19, "\u00F7", "Divide", 0, 5, false, Brown, WithEntry<ops::Divide>},
    {20, "C", "Reset stack (Shortcut: R)", 0, 4, false, Red, ResetStack},
    {21, "Extract", "Extract last value (Shortcut: DOWN)", 4, 0, true, Orange, Extract},
    {22, "Rotate +", "Rotate stack positive (Shortcut: RIGHT)", 0, 0, true, Orange, RotatePositive},
    {23, "Rotate \u2212", "Rotate stack negative (Shortcut: LEFT)", 1, 0, true, Orange,
     RotateNegative},
    {24, "\u03C0", "Pi (Shortcut: P)", 5, 3, false, DarkGrey, EnterPi},
    {25, "\u00B1", "Positive / Negative (Shortcut: N)", 4, 2, false, LightGrey, ToggleSign},
    {26, "1/x", "Reciprocal", 1, 6, false, DarkGrey, WithEntry<ops::Reciprocal>},
    {27, "%", "Percent", 0, 6, false, DarkGrey, WithEntry<ops::Percent>},
    {28, "\u221Ax", "Square root", 3, 6, false, DarkGrey, WithEntry<ops::SquareRoot>},
    {29, "x\u207F", "Power", 2, 6, false, DarkGrey, WithEntry<ops::Power>},
    {30, "Drop", "Drop last value", 3, 0, true, Orange, Drop},
    {31, "Exp", "Exponential", 5, 5, false, DarkGrey, WithEntry<ops::Exponential>},
    {32, "Int", "Convert to integer (Shortcut: I)", 6, 6, false, DarkGrey, WithEntry<ops::Integer>},
    {33, "Mod", "Mod", 5, 6, false, DarkGrey, WithEntry<ops::Mod>},
    {34, "Sin", "Sin", 5, 0, false, DarkGrey, WithEntry<ops::Sin>},
    {35, "Cos", "Cos", 5, 1, false, DarkGrey, WithEntry<ops::Cos>},
    {36, "Tan", "Tan", 5, 2, false, DarkGrey, WithEntry<ops::Tan>},
    {37, "Sin\u207B\u00B9", "Inverse Sin", 6, 0, false, DarkGrey, WithEntry<ops::ArcSin>},
    {38, "Cos\u207B\u00B9", "Inverse Cos", 6, 1, false, DarkGrey, WithEntry<ops::ArcCos>},
    {39, "Tan\u207B\u00B9", "Inverse Tan", 6, 2, false, DarkGrey, WithEntry<ops::ArcTan>},
    {40, "10\u02E3", "Power of 10", 6, 5, false, DarkGrey, WithEntry<ops::PowerOf10>},
    {41, "x!", "Series", 6, 3, false, DarkGrey, WithEntry<ops::Factorial>},
    {42, "Rnd", "Random number", 5, 4, false, DarkGrey, ops::RandomIntoEntry},
}};

}  // namespace

std::span<const KeypadKey, kKeypadKeys> Keypad() { return kKeys; }

Outcome PressKey(Calculator& calc, int index) {
    if (index < 0 || index >= kKeypadKeys) return {};
    kKeys[static_cast<std::size_t>(index)].action(calc);
    return {calc.takeStackFullWarning()};
}

}  // namespace orvane
