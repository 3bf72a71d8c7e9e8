// The numeric rules the operations share: every floating-point step is checked, and a
// failure (overflow, division by zero, invalid operation) is an empty result.
#pragma once

#include <cstdint>
#include <optional>

namespace orvane {
namespace ops {

using Result = std::optional<double>;

// A step's result, or a failure when it is an infinity or NaN (underflow is no failure).
Result Checked(double value);

}  // namespace ops

// Rounds to the nearest whole number, ties to even; a failure outside 32 bits.
std::optional<std::int32_t> RoundTo32(double value);

// Rounds to 5 decimal places, ties to even on the exact binary value.
double RoundTo5Decimals(double value);

// value × 10^shift done on the decimal digits of value's normal form: exact, and constant
// work whatever the shift.
ops::Result ShiftDecimal(double value, std::int64_t shift);

}  // namespace orvane
