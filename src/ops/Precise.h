// The transcendental functions of the operations, computed with far more bits than a double
// holds and rounded once, so that every platform's build gives the same double: the one
// nearest the exact value. The C libraries differ in their last bits, which the 15-digit
// stack text then shows. The operands are finite, as every stack value is; a pole or an
// overflow gives infinity, an argument outside the domain NaN, as in the C library.
#pragma once

namespace orvane::precise {

// y raised to the power x; a negative y needs a whole x.
double Pow(double y, double x);

// The natural logarithm; -infinity at 0, NaN below.
double Log(double x);

// The circular functions of an angle in radians, reduced exactly for any finite angle.
double Sin(double x);
double Cos(double x);
double Tan(double x);

double ArcTan(double x);

}  // namespace orvane::precise
