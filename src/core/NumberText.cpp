#include "core/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace orvane {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Exponents beyond this cannot matter: any nonzero value overflows or underflows long
// before, so saturating keeps the arithmetic in range whatever the text says.
constexpr std::int64_t kExponentCap = 1'000'000'000;

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::optional<Decimal> ParseDecimal(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty()) return std::nullopt;

    Decimal d;
    std::size_t i = 0;
    if (text[i] == '-' || text[i] == '+') {
        d.negative = text[i] == '-';
        ++i;
    }
    std::string mantissa;                 // all digits, the point removed
    std::optional<std::int64_t> pointAt;  // digits before the point
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            mantissa.push_back(c);
        } else if (c == '.' && !pointAt) {
            pointAt = static_cast<std::int64_t>(mantissa.size());
        } else {
            break;
        }
    }
    if (mantissa.empty()) return std::nullopt;
    if (!pointAt) pointAt = static_cast<std::int64_t>(mantissa.size());

    std::int64_t exponent = 0;
    if (i < text.size()) {
        if (text[i] != 'E' && text[i] != 'e') return std::nullopt;
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        if (i == text.size()) return std::nullopt;
        for (; i < text.size(); ++i) {
            if (!IsDigit(text[i])) return std::nullopt;
            exponent = std::min(exponent * 10 + (text[i] - '0'), kExponentCap);
        }
        if (negativeExponent) exponent = -exponent;
    }

    const auto lead = mantissa.find_first_not_of('0');
    if (lead == std::string::npos) return d;  // zero: no digits
    d.digits = mantissa.substr(lead);
    d.exponent = exponent + *pointAt - static_cast<std::int64_t>(lead);
    return d;
}

std::optional<double> ParseNumber(std::string_view text) {
    const auto d = ParseDecimal(text);
    if (!d) return std::nullopt;
    const double zero = d->negative ? -0.0 : 0.0;
    if (d->digits.empty()) return zero;

    std::string canonical;
    canonical.push_back(d->digits[0]);
    canonical.push_back('.');
    canonical.append(d->digits, 1);
    canonical.push_back('e');
    canonical.append(std::to_string(d->exponent - 1));
    double value = 0;
    const auto ec =
        std::from_chars(canonical.data(), canonical.data() + canonical.size(), value).ec;
    if (ec == std::errc::result_out_of_range) {
        if (d->exponent > 0) return std::nullopt;  // overflow
        return zero;                               // underflow is no failure
    }
    if (ec != std::errc{}) return std::nullopt;
    return d->negative ? -value : value;
}

bool IsNumberText(std::string_view text) { return ParseNumber(text).has_value(); }

std::string NormalForm(double value) {
    if (value == 0) return "0";
    char buffer[32];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, ec == std::errc{} ? end : buffer);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

std::optional<std::string> ToStackText(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    std::string text = NormalForm(value);
    // Only the very largest magnitudes round up past the double range.
    if (std::fabs(value) > 1.7976931348623e308 && !ParseNumber(text)) return std::nullopt;
    return text;
}

std::optional<std::string> ToStackText(std::string_view text) {
    const auto value = ParseNumber(text);
    if (!value) return std::nullopt;
    return ToStackText(*value);
}

}  // namespace orvane
