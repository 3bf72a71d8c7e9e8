// Number texts: the one place where text becomes a double and a double becomes the
// 15-digit text that the stack stores. Locale never matters here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// A number text broken into its decimal parts: value = ±0.d1d2d3... × 10^exponent.
// `digits` has no leading zeros; it is empty for zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;
};

// The text without the blanks (spaces, tabs, line breaks) at either end.
std::string_view TrimBlanks(std::string_view text);

// Accepts blanks around, one optional leading "-" or "+", digits with an optional "."
// (not both sides empty) and an optional exponent ("E"/"e", optional sign, digits).
std::optional<Decimal> ParseDecimal(std::string_view text);

// The double a number text writes. Fails on a text that is not a number or beyond the
// double range; a text too small for a double gives a subnormal or zero.
std::optional<double> ParseNumber(std::string_view text);

bool IsNumberText(std::string_view text);

// The stack's normal form: 15 significant digits, fixed notation for decimal exponents
// -4 to 14, otherwise d.dddE±XX; negative zero is written "0".
std::string NormalForm(double value);

// The text a stack stores for `text`: its normal form, provided that form converts back
// (the largest doubles round to 1.79769313486232E+308, which does not).
std::optional<std::string> ToStackText(std::string_view text);
std::optional<std::string> ToStackText(double value);

}  // namespace orvane
