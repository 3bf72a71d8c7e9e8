// The 21 calculating keys. Each takes the entry text (its pending operand) except
// RandomIntoEntry.
#pragma once

#include <string>

#include "core/Calculator.h"

namespace orvane::ops {

// Two operands: y op x, with x the top and y the value beneath it.
void Add(Calculator& calc, const std::string& entry);
void Subtract(Calculator& calc, const std::string& entry);
void Multiply(Calculator& calc, const std::string& entry);
void Divide(Calculator& calc, const std::string& entry);
void Power(Calculator& calc, const std::string& entry);
void Mod(Calculator& calc, const std::string& entry);
void Percent(Calculator& calc, const std::string& entry);
void Exponential(Calculator& calc, const std::string& entry);

// One operand: the top (a pending entry is pushed first, even onto an empty stack).
void Reciprocal(Calculator& calc, const std::string& entry);
void SquareRoot(Calculator& calc, const std::string& entry);
void NaturalLog(Calculator& calc, const std::string& entry);
void PowerOf10(Calculator& calc, const std::string& entry);
void Integer(Calculator& calc, const std::string& entry);
void Factorial(Calculator& calc, const std::string& entry);

// Trigonometry: reads the angle mode, results rounded to 5 decimals.
void Sin(Calculator& calc, const std::string& entry);
void Cos(Calculator& calc, const std::string& entry);
void Tan(Calculator& calc, const std::string& entry);
void ArcSin(Calculator& calc, const std::string& entry);
void ArcCos(Calculator& calc, const std::string& entry);
void ArcTan(Calculator& calc, const std::string& entry);

// Writes a random number of [0, 1) into the entry line; the stack is untouched.
void RandomIntoEntry(Calculator& calc);

}  // namespace orvane::ops
