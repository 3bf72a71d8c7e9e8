#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

#include "core/NumberText.h"
#include "ops/Operations.h"

namespace orvane {
namespace {

using Texts = std::vector<std::string>;
using Op = void (*)(Calculator&, const std::string&);

std::string Apply(Op op, AngleMode mode, const std::string& x) {
    Calculator calc;
    calc.setAngle(mode);
    calc.push(x);
    op(calc, "");
    EXPECT_EQ(calc.count(), 1u);
    EXPECT_EQ(calc.entry(), "");
    return std::string(calc.top());
}

struct Case {
    Op op;
    AngleMode mode;
    const char* x;
    const char* r;  // the top afterwards; equal to x when the key fails
};

std::ostream& operator<<(std::ostream& os, const Case& c) { return os << c.x << " -> " << c.r; }

class Trig : public testing::TestWithParam<Case> {};

TEST_P(Trig, Result) {
    const Case& c = GetParam();
    EXPECT_EQ(Apply(c.op, c.mode, c.x), c.r) << c.x;
}

constexpr auto kDeg = AngleMode::Degrees;
constexpr auto kRad = AngleMode::Radians;

INSTANTIATE_TEST_SUITE_P(
    Edges, Trig,
    testing::Values(Case{ops::Sin, kRad, "1", "0.84147"}, Case{ops::Sin, kDeg, "30", "0.5"},
                    Case{ops::Sin, kDeg, "90", "1"}, Case{ops::Sin, kDeg, "180", "0"},
                    Case{ops::Cos, kDeg, "60", "0.5"}, Case{ops::Cos, kDeg, "90", "0"},
                    Case{ops::Tan, kDeg, "45", "1"}, Case{ops::Tan, kDeg, "89", "57.28996"},
                    Case{ops::Cos, kRad, "90", "-0.44807"}, Case{ops::Tan, kRad, "90", "-1.9952"},
                    // No tangent at odd multiples of 90 degrees: the operand stays.
                    Case{ops::Tan, kDeg, "90", "90"}, Case{ops::Tan, kDeg, "270", "270"},
                    Case{ops::Tan, kDeg, "-90", "-90"}, Case{ops::Tan, kDeg, "450", "450"},
                    Case{ops::Tan, kDeg, "180", "0"}, Case{ops::ArcSin, kDeg, "0.5", "30"},
                    Case{ops::ArcSin, kDeg, "1", "90"}, Case{ops::ArcSin, kDeg, "-1", "-90"},
                    Case{ops::ArcCos, kDeg, "0.5", "60"}, Case{ops::ArcCos, kDeg, "0", "90"},
                    Case{ops::ArcCos, kDeg, "1", "0"}, Case{ops::ArcCos, kDeg, "-1", "180"},
                    Case{ops::ArcTan, kDeg, "1", "45"}, Case{ops::ArcSin, kRad, "1", "1.5708"},
                    Case{ops::ArcSin, kRad, "0.5", "0.5236"},
                    Case{ops::ArcCos, kRad, "0", "1.5708"},
                    Case{ops::ArcCos, kRad, "-1", "3.14159"},
                    Case{ops::ArcTan, kRad, "1", "0.7854"}, Case{ops::ArcSin, kRad, "2", "2"},
                    Case{ops::ArcCos, kDeg, "2", "2"}, Case{ops::ArcSin, kDeg, "-1.5", "-1.5"},
                    Case{ops::ArcCos, kRad, "1E+200", "1E+200"}));

TEST(Trig, APendingEntryThatIsNoNumberLeavesTheStack) {
    Calculator calc;
    calc.push("5");
    calc.setEntry("-");
    ops::Sin(calc, calc.entry());
    EXPECT_EQ(calc.values(), Texts({"5"}));
    EXPECT_EQ(calc.entry(), "");
}

TEST(Trig, EntryOnAnEmptyStackAndUndo) {
    Calculator calc;
    calc.setAngle(AngleMode::Degrees);
    ops::Sin(calc, "30");
    EXPECT_EQ(calc.values(), Texts({"0.5"}));
    calc.undo();
    EXPECT_EQ(calc.count(), 0u);
}

// An independent oracle: the formula in long double, rounded to 5 decimals.
long double Oracle(int which, AngleMode mode, long double x) {
    const long double perRadian = 57.2957795;  // the double constant, widened
    const long double a = mode == AngleMode::Degrees ? x / perRadian : x;
    long double r = 0;
    auto inverse = [&](long double q) { return mode == AngleMode::Degrees ? q * perRadian : q; };
    const long double s = std::sqrt(-x * x + 1);
    switch (which) {
        case 0:
            r = std::sin(a);
            break;
        case 1:
            r = std::cos(a);
            break;
        case 2:
            r = std::tan(a);
            break;
        case 3:
            r = inverse(std::atan(x / (s + 1E-12L)));
            break;
        case 4:
            r = inverse(std::atan(-x / (s + 1E-12L)) + 2 * std::atan(1.0L));
            break;
        default:
            r = inverse(std::atan(x));
            break;
    }
    return r;
}

TEST(Trig, AgreesWithALongDoubleOracle) {
    const Op ops[] = {ops::Sin, ops::Cos, ops::Tan, ops::ArcSin, ops::ArcCos, ops::ArcTan};
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> wide(-720, 720), unit(-1, 1);
    int compared = 0;
    for (int i = 0; i < 4000; ++i) {
        for (int which = 0; which < 6; ++which) {
            for (AngleMode mode : {AngleMode::Radians, AngleMode::Degrees}) {
                const double x = which >= 3 && which <= 4 ? unit(random) : wide(random);
                const std::string xText = NormalForm(x);
                const double stored = *ParseNumber(xText);
                if (mode == AngleMode::Degrees && (stored == 90 || stored == 1)) continue;
                const long double exact = Oracle(which, mode, stored) * 100000;
                if (which == 2 && std::fabs(exact) > 1E7L) continue;  // too near a pole
                // A result within 1E-11 of a rounding boundary may round either way.
                if (std::fabs(std::fabs(exact - std::trunc(exact)) - 0.5L) < 1E-6L) continue;
                const long double expected = std::nearbyint(exact) / 100000;
                const std::string got = Apply(ops[which], mode, xText);
                ASSERT_EQ(got, NormalForm(static_cast<double>(expected)))
                    << "op " << which << " x " << xText;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 40000);
}

}  // namespace
}  // namespace orvane
