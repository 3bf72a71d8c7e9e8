#include "ops/Precise.h"

#include <bit>
#include <boost/math/constants/constants.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <cmath>
#include <cstdint>
#include <limits>

namespace orvane::precise {
namespace {

namespace mp = boost::multiprecision;

// 160 bits leave about 100 bits of guard below a double's 53: rounding it to a double gives
// the nearest double unless the exact value lies within 2^-100 of a midpoint.
using Wide = mp::number<mp::cpp_bin_float<160, mp::digit_base_2>, mp::et_off>;
// Enough bits to reduce the largest double (2^1024) by a multiple of pi/2 and keep 160.
using Reducing = mp::number<mp::cpp_bin_float<1280, mp::digit_base_2>, mp::et_off>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double Nearest(const Wide& value) { return static_cast<double>(value); }

bool IsWhole(double x) { return std::trunc(x) == x; }
// For a finite x: doubles of 2^53 and beyond are all even, which fmod knows.
bool IsOddWhole(double x) { return std::fmod(x, 2.0) != 0 && IsWhole(x); }

// The number of bits of the odd part of y's significand.
int OddSignificandBits(double y) {
    constexpr int kDigits = std::numeric_limits<double>::digits;
    int exponent = 0;
    const auto significand =
        static_cast<std::uint64_t>(std::ldexp(std::frexp(std::fabs(y), &exponent), kDigits));
    return kDigits - std::countr_zero(significand);
}

// |y|^x for a positive finite y and a finite x other than 0.
double PowOfMagnitude(double y, double x) {
    const Wide base = std::fabs(y);
    // A power small enough to be exact in a Wide is computed exactly, so a result that lies
    // exactly halfway between two doubles rounds to even as a multiplication would. Only such
    // powers can be halfway: any other needs more than 54 bits in its odd part.
    if (IsWhole(x) && x >= 2 && x * OddSignificandBits(y) <= std::numeric_limits<Wide>::digits)
        return Nearest(mp::pow(base, static_cast<int>(x)));
    // Far outside the double range, exp gives infinity or 0 at once.
    return Nearest(mp::exp(Wide(x) * mp::log(base)));
}

// x reduced to r in [-pi/4, pi/4] with x = r + q·pi/2, q taken modulo 4. Boost's own sine
// reduces with a pi of the type's 160 bits: it loses the digits of angles beyond about 2^60
// and gives 0 for those beyond 2^159.
struct Reduced {
    Wide r;
    int quarter;
};

Reduced Reduce(double x) {
    if (std::fabs(x) < 0.78) return {Wide(x), 0};
    static const Reducing kHalfPi = boost::math::constants::half_pi<Reducing>();
    const Reducing wide = x;
    const Reducing n = mp::round(wide / kHalfPi);
    const auto quarter = static_cast<int>(mp::fmod(n, Reducing(4)));
    return {Wide(wide - n * kHalfPi), (quarter + 4) % 4};
}

}  // namespace

double Pow(double y, double x) {
    if (x == 0) return 1;
    if (y == 0) {
        const double power = IsOddWhole(x) ? y : 0.0;  // an odd power keeps the zero's sign
        return std::signbit(x) ? 1 / power : power;    // a negative one is the pole
    }
    const bool negative = std::signbit(y);
    if (negative && !IsWhole(x)) return kNaN;
    const double magnitude = PowOfMagnitude(y, x);
    return negative && IsOddWhole(x) ? -magnitude : magnitude;
}

// Boost gives -infinity at 0 and NaN below, as the C library does.
double Log(double x) { return Nearest(mp::log(Wide(x))); }

// The sine of r + quarter × π/2, from the sine or cosine of r.
double SineOf(const Wide& r, int quarter) {
    switch (quarter % 4) {
        case 0:
            return Nearest(mp::sin(r));
        case 1:
            return Nearest(mp::cos(r));
        case 2:
            return Nearest(-mp::sin(r));
        default:
            return Nearest(-mp::cos(r));
    }
}

double Sin(double x) {
    if (!std::isfinite(x)) return kNaN;
    const auto [r, quarter] = Reduce(x);
    return SineOf(r, quarter);
}

// cos(x) = sin(x + π/2).
double Cos(double x) {
    if (!std::isfinite(x)) return kNaN;
    const auto [r, quarter] = Reduce(x);
    return SineOf(r, quarter + 1);
}

double Tan(double x) {
    if (!std::isfinite(x)) return kNaN;
    const auto [r, quarter] = Reduce(x);
    if (quarter % 2 == 0) return Nearest(mp::sin(r) / mp::cos(r));
    return Nearest(-mp::cos(r) / mp::sin(r));
}

double ArcTan(double x) {
    if (std::isnan(x)) return x;
    return Nearest(mp::atan(Wide(x)));
}

}  // namespace orvane::precise
