// Any stored text (a normal form, or one the sign key prefixed or shortened): the listing row
// is bounded and, where grouped, writes the stored value to within half a unit of the 14th
// decimal.
#include <cmath>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "core/Listing.h"
#include "core/NumberText.h"

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto normal = ToStackText(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    if (!normal) return 0;
    std::string stored = *normal;
    if (data[0] & 1) stored = stored[0] == '-' ? stored.substr(1) : "-" + stored;

    const std::string shown = ShownValue(stored);
    FUZZ_CHECK(!shown.empty());
    // Exponent forms are shown as stored; grouped forms have at most 15 whole digits with
    // their 4 commas, a sign, a point and 14 decimals.
    FUZZ_CHECK(shown.size() <= std::max<std::size_t>(stored.size(), 1 + 15 + 4 + 1 + 14));

    std::string plain;
    for (char c : shown) {
        if (c != ',') plain.push_back(c);
    }
    if (plain.starts_with("-.")) plain.insert(1, "0");
    const auto shownValue = ParseNumber(plain);
    FUZZ_CHECK(shownValue.has_value());
    const double storedValue = *ParseNumber(stored);
    if (shown.find(',') != std::string::npos || shown.find('E') == std::string::npos) {
        const double tolerance = 0.5e-14 + std::fabs(storedValue) * 1e-15;
        FUZZ_CHECK(std::fabs(*shownValue - storedValue) <= tolerance);
    }
    return 0;
}
