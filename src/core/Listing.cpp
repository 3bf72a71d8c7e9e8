#include "core/Listing.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "core/NumberText.h"

namespace orvane {
namespace {

constexpr int kDecimals = 14;

// The pattern "#,####.##############" applied to the decimal digits of the text, never to a
// double: rounded half away from zero at 14 decimals, grouped, always with the point.
std::string FormatGrouped(const Decimal& d) {
    // value × 10^14 as a whole number: the digits that lie at or above 10^-14.
    const std::int64_t keep = d.exponent + kDecimals;
    std::string scaled;
    bool roundUp = false;
    if (keep >= 0) {
        const auto cut = static_cast<std::size_t>(keep);
        scaled = d.digits;
        scaled.resize(cut, '0');
        // The digits cut off, read as a fraction: half or more rounds up.
        roundUp = std::string_view(d.digits).substr(std::min(cut, d.digits.size())) >= "5";
    }
    if (roundUp) {
        std::size_t i = scaled.size();
        while (i > 0 && scaled[i - 1] == '9') scaled[--i] = '0';
        if (i == 0) {
            scaled.insert(scaled.begin(), '1');
        } else {
            ++scaled[i - 1];
        }
    }
    scaled.insert(0, kDecimals, '0');  // so that a whole part exists; its leading zeros go below

    std::string whole = scaled.substr(0, scaled.size() - kDecimals);
    std::string fraction = scaled.substr(scaled.size() - kDecimals);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    fraction.erase(fraction.find_last_not_of('0') + 1);

    std::string out;
    // A value that rounds to zero, -0 included, shows without a sign.
    if (d.negative && !(whole.empty() && fraction.empty())) out.push_back('-');
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) out.push_back(',');
        out.push_back(whole[i]);
    }
    out.push_back('.');
    out += fraction;
    return out;
}

}  // namespace

std::string ShownValue(std::string_view stored) {
    const auto value = ParseNumber(stored);
    if (!value) return std::string(stored);  // never happens: stored texts are numbers

    const std::string floorText = NormalForm(std::floor(*value));
    std::string v = (floorText.find('E') == std::string::npos && floorText.size() < 16)
                        ? FormatGrouped(*ParseDecimal(stored))  // as every number text is
                        : std::string(stored);
    if (v.ends_with('.')) v.push_back('0');
    if (v.starts_with('.')) v.insert(v.begin(), '0');
    if (v.ends_with(".0")) v.resize(v.size() - 2);
    return v;
}

std::string CountLabel(std::size_t count) { return "Stack: " + std::to_string(count); }

}  // namespace orvane
