// The 21 calculating keys. Each reads the entry line as its pending operand, except
// RandomIntoEntry, which replaces it. None takes the undo snapshot; the keypad does.
#pragma once

#include "core/Calculator.h"

namespace orvane::ops {

// Two operands: y op x, with x the top and y the value beneath it.
Outcome Add(Calculator& calc);
Outcome Subtract(Calculator& calc);
Outcome Multiply(Calculator& calc);
Outcome Divide(Calculator& calc);
Outcome Power(Calculator& calc);
Outcome Mod(Calculator& calc);
Outcome Percent(Calculator& calc);
Outcome ScaleByPowerOf10(Calculator& calc);  // y × 10^round(x)

// One operand: the top (a pending entry is pushed first, even onto an empty stack).
Outcome Reciprocal(Calculator& calc);
Outcome SquareRoot(Calculator& calc);
Outcome NaturalLog(Calculator& calc);
Outcome PowerOf10(Calculator& calc);
Outcome Floor(Calculator& calc);
Outcome Factorial(Calculator& calc);

// Trigonometry: reads the angle mode, results rounded to 5 decimals.
Outcome Sin(Calculator& calc);
Outcome Cos(Calculator& calc);
Outcome Tan(Calculator& calc);
Outcome ArcSin(Calculator& calc);
Outcome ArcCos(Calculator& calc);
Outcome ArcTan(Calculator& calc);

// Writes a random number of [0, 1) into the entry line; the stack is untouched.
Outcome RandomIntoEntry(Calculator& calc);

}  // namespace orvane::ops
