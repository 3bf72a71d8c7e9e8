// The 21 calculating keys. Each takes the entry text (its pending operand) except OpRandom.
#pragma once

#include <string>

#include "core/Calculator.h"

namespace orvane {

// Two operands: y op x, with x the top and y the value beneath it.
void OpAdd(Calculator& calc, std::string entry);
void OpSubtract(Calculator& calc, std::string entry);
void OpMultiply(Calculator& calc, std::string entry);
void OpDivide(Calculator& calc, std::string entry);
void OpPower(Calculator& calc, std::string entry);
void OpMod(Calculator& calc, std::string entry);
void OpPercent(Calculator& calc, std::string entry);
void OpExponential(Calculator& calc, std::string entry);

// One operand: the top (a pending entry is pushed first, even onto an empty stack).
void OpReciprocal(Calculator& calc, std::string entry);
void OpSquareRoot(Calculator& calc, std::string entry);
void OpNaturalLog(Calculator& calc, std::string entry);
void OpPowerOf10(Calculator& calc, std::string entry);
void OpInteger(Calculator& calc, std::string entry);
void OpSeries(Calculator& calc, std::string entry);

// Trigonometry: reads the angle mode, results rounded to 5 decimals.
void OpSin(Calculator& calc, std::string entry);
void OpCos(Calculator& calc, std::string entry);
void OpTan(Calculator& calc, std::string entry);
void OpArcSin(Calculator& calc, std::string entry);
void OpArcCos(Calculator& calc, std::string entry);
void OpArcTan(Calculator& calc, std::string entry);

// Writes a random number of [0, 1) into the entry line; the stack is untouched.
void OpRandom(Calculator& calc);

}  // namespace orvane
