#include "ops/Numeric.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "core/NumberText.h"

namespace orvane {

using ops::Result;

Result ops::Checked(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<std::int32_t> RoundTo32(double value) {
    const double rounded = std::nearbyint(value);  // default mode: to nearest, ties to even
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

// A value too long for the buffer, beyond 10^57, has no decimals to round: it stays as it is.
double RoundTo5Decimals(double value) {
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 5);
    double rounded = value;
    if (ec == std::errc{}) std::from_chars(buffer, end, rounded);
    return rounded;
}

Result ShiftDecimal(double value, std::int64_t shift) {
    const auto decimal = ParseDecimal(NormalForm(value));
    if (!decimal) return value;  // zero goes through too: "0.E5" reads as 0
    // Any exponent: reading the text fails beyond the range, and gives 0 below every subnormal.
    std::string text = (decimal->negative ? "-0." : "0.") + decimal->digits + "E" +
                       std::to_string(decimal->exponent + shift);
    return ParseNumber(text);
}

}  // namespace orvane
