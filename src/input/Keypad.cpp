#include "input/Keypad.h"

#include "input/EntryLine.h"
#include "ops/Operations.h"

namespace orvane {
namespace {

template <int D>
void Digit(Calculator& c) {
    AppendDigit(c, D);
}

// Operation keys receive the entry text as it stands at the press.
template <void (*Op)(Calculator&, std::string)>
void WithEntry(Calculator& c) {
    Op(c, c.entry);
}

void Drop(Calculator& c) { c.DropLast(); }
void Extract(Calculator& c) { c.ExtractLast(); }
void Swap(Calculator& c) { c.SwapLast(); }
void RotatePositive(Calculator& c) { c.RotateStackPositive(); }
void RotateNegative(Calculator& c) { c.RotateStackNegative(); }

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
    {12, "Ln", "Natural Logarithm", 6, 4, false, DarkGrey, WithEntry<OpNaturalLog>},
    {13, "Del", "Delete last digit in display", 0, 2, false, Red, DeleteLastCharacter},
    {14, "Enter", "Enter (Shortcut: ENTER)", 4, 5, true, Orange, Enter},
    {15, "Swap", "Swap last values (Shortcut: UP)", 2, 0, true, Orange, Swap},
    {16, "+", "Add", 3, 5, false, Brown, WithEntry<OpAdd>},
    {17, "\u2212", "Substract", 2, 5, false, Brown, WithEntry<OpSubtract>},
    {18, "\u00D7", "Multiply", 1, 5, false, Brown, WithEntry<OpMultiply>},
    {19, "\u00F7", "Divide", 0, 5, false, Brown, WithEntry<OpDivide>},
    {20, "C", "Reset stack (Shortcut: R)", 0, 4, false, Red, ResetStack},
    {21, "Extract", "Extract last value (Shortcut: DOWN)", 4, 0, true, Orange, Extract},
    {22, "Rotate +", "Rotate stack positive (Shortcut: RIGHT)", 0, 0, true, Orange, RotatePositive},
    {23, "Rotate \u2212", "Rotate stack negative (Shortcut: LEFT)", 1, 0, true, Orange,
     RotateNegative},
    {24, "\u03C0", "Pi (Shortcut: P)", 5, 3, false, DarkGrey, EnterPi},
    {25, "\u00B1", "Positive / Negative (Shortcut: N)", 4, 2, false, LightGrey, ChangeSign},
    {26, "1/x", "Reciprocal", 1, 6, false, DarkGrey, WithEntry<OpReciprocal>},
    {27, "%", "Percent", 0, 6, false, DarkGrey, WithEntry<OpPercent>},
    {28, "\u221Ax", "Square root", 3, 6, false, DarkGrey, WithEntry<OpSquareRoot>},
    {29, "x\u207F", "Power", 2, 6, false, DarkGrey, WithEntry<OpPower>},
    {30, "Drop", "Drop last value", 3, 0, true, Orange, Drop},
    {31, "Exp", "Exponential", 5, 5, false, DarkGrey, WithEntry<OpExponential>},
    {32, "Int", "Convert to integer (Shortcut: I)", 6, 6, false, DarkGrey, WithEntry<OpInteger>},
    {33, "Mod", "Mod", 5, 6, false, DarkGrey, WithEntry<OpMod>},
    {34, "Sin", "Sin", 5, 0, false, DarkGrey, WithEntry<OpSin>},
    {35, "Cos", "Cos", 5, 1, false, DarkGrey, WithEntry<OpCos>},
    {36, "Tan", "Tan", 5, 2, false, DarkGrey, WithEntry<OpTan>},
    {37, "Sin\u207B\u00B9", "Inverse Sin", 6, 0, false, DarkGrey, WithEntry<OpArcSin>},
    {38, "Cos\u207B\u00B9", "Inverse Cos", 6, 1, false, DarkGrey, WithEntry<OpArcCos>},
    {39, "Tan\u207B\u00B9", "Inverse Tan", 6, 2, false, DarkGrey, WithEntry<OpArcTan>},
    {40, "10\u02E3", "Power of 10", 6, 5, false, DarkGrey, WithEntry<OpPowerOf10>},
    {41, "x!", "Series", 6, 3, false, DarkGrey, WithEntry<OpSeries>},
    {42, "Rnd", "Random number", 5, 4, false, DarkGrey, OpRandom},
}};

}  // namespace

std::span<const KeypadKey, kKeypadKeys> Keypad() { return kKeys; }

Outcome ImgBtn_MouseUp(Calculator& calc, int index) {
    if (index < 0 || index >= kKeypadKeys) return {};
    kKeys[static_cast<std::size_t>(index)].action(calc);
    return {calc.TakeStackFullWarning()};
}

}  // namespace orvane
