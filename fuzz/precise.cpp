// Any two doubles y and x: the operations' functions agree with glibc's to within 2 units in
// the last place, and exactly where IEEE arithmetic rounds correctly (y^0.5 is the
// square root, y^-1 the reciprocal). Nine more bytes give an odd whole m below 2^53 and a
// power n: where m^n fits in 64 bits, y^n is the double nearest to it, a halfway case to
// even, as the conversion of the exact whole number rounds.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "FuzzCheck.h"
#include "ops/Precise.h"

using namespace orvane;

#ifdef __GLIBC__
namespace {

bool Near(double result, double expected) {
    if (std::isnan(expected)) return std::isnan(result);
    const double ulp = std::nextafter(std::fabs(expected), INFINITY) - std::fabs(expected);
    return result == expected || std::fabs(result - expected) <= 2 * ulp;
}

}  // namespace
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double y = 0, x = 0;
    if (size < sizeof y + sizeof x) return 0;
    std::memcpy(&y, data, sizeof y);
    std::memcpy(&x, data + sizeof y, sizeof x);
    if (!std::isfinite(y) || !std::isfinite(x)) return 0;

#ifdef __GLIBC__
    // glibc's functions are within an ulp everywhere; others, such as Windows', are not, which
    // is why ours exist.
    FUZZ_CHECK(Near(precise::Pow(y, x), std::pow(y, x)));
    FUZZ_CHECK(Near(precise::Log(y), std::log(y)));
    FUZZ_CHECK(Near(precise::Sin(x), std::sin(x)));
    FUZZ_CHECK(Near(precise::Cos(x), std::cos(x)));
    FUZZ_CHECK(Near(precise::Tan(x), std::tan(x)));
    FUZZ_CHECK(Near(precise::ArcTan(x), std::atan(x)));
#endif
    if (y > 0) {
        FUZZ_CHECK(precise::Pow(y, 0.5) == std::sqrt(y));
        FUZZ_CHECK(precise::Pow(y, -1) == 1 / y);
    }

    std::uint64_t raw = 0;
    if (size < sizeof y + sizeof x + sizeof raw + 1) return 0;
    std::memcpy(&raw, data + sizeof y + sizeof x, sizeof raw);
    const std::uint64_t m = (raw >> 11) | 1;
    const int n = data[sizeof y + sizeof x + sizeof raw] % 16;
    std::uint64_t power = 1;
    for (int i = 0; i < n; ++i) {
        if (__builtin_mul_overflow(power, m, &power)) return 0;
    }
    FUZZ_CHECK(precise::Pow(static_cast<double>(m), n) == static_cast<double>(power));
    return 0;
}
