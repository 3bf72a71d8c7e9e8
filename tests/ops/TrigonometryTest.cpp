#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

#include "core/NumberText.h"
#include "ops/Operations.h"

namespace orvane {
namespace {

using Texts = std::vector<std::string>;
using Op = void (*)(Calculator&, std::string);

std::string Apply(Op op, AngleMode mode, const std::string& x) {
    Calculator calc;
    calc.angle = mode;
    calc.PushValue(x);
    op(calc, "");
    EXPECT_EQ(calc.Count(), 1u);
    EXPECT_EQ(calc.entry, "");
    return std::string(calc.Top());
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

constexpr auto Deg = AngleMode::Degrees;
constexpr auto Rad = AngleMode::Radians;

INSTANTIATE_TEST_SUITE_P(
    Edges, Trig,
    testing::Values(Case{OpSin, Rad, "1", "0.84147"}, Case{OpSin, Deg, "30", "0.5"},
                    Case{OpSin, Deg, "90", "1"}, Case{OpSin, Deg, "180", "0"},
                    Case{OpCos, Deg, "60", "0.5"}, Case{OpCos, Deg, "90", "0"},
                    Case{OpTan, Deg, "45", "1"}, Case{OpTan, Deg, "89", "57.28996"},
                    Case{OpCos, Rad, "90", "-0.44807"}, Case{OpTan, Rad, "90", "-1.9952"},
                    // No tangent at odd multiples of 90 degrees: the operand stays.
                    Case{OpTan, Deg, "90", "90"}, Case{OpTan, Deg, "270", "270"},
                    Case{OpTan, Deg, "-90", "-90"}, Case{OpTan, Deg, "450", "450"},
                    Case{OpTan, Deg, "180", "0"}, Case{OpArcSin, Deg, "0.5", "30"},
                    Case{OpArcSin, Deg, "1", "90"}, Case{OpArcSin, Deg, "-1", "-90"},
                    Case{OpArcCos, Deg, "0.5", "60"}, Case{OpArcCos, Deg, "0", "90"},
                    Case{OpArcCos, Deg, "1", "0"}, Case{OpArcCos, Deg, "-1", "180"},
                    Case{OpArcTan, Deg, "1", "45"}, Case{OpArcSin, Rad, "1", "1.5708"},
                    Case{OpArcSin, Rad, "0.5", "0.5236"}, Case{OpArcCos, Rad, "0", "1.5708"},
                    Case{OpArcCos, Rad, "-1", "3.14159"}, Case{OpArcTan, Rad, "1", "0.7854"},
                    Case{OpArcSin, Rad, "2", "2"}, Case{OpArcCos, Deg, "2", "2"},
                    Case{OpArcSin, Deg, "-1.5", "-1.5"}, Case{OpArcCos, Rad, "1E+200", "1E+200"}));

TEST(Trig, APendingEntryThatIsNoNumberLeavesTheStack) {
    Calculator calc;
    calc.PushValue("5");
    calc.entry = "-";
    OpSin(calc, calc.entry);
    EXPECT_EQ(calc.Values(), Texts({"5"}));
    EXPECT_EQ(calc.entry, "");
}

TEST(Trig, EntryOnAnEmptyStackAndUndo) {
    Calculator calc;
    calc.angle = AngleMode::Degrees;
    OpSin(calc, "30");
    EXPECT_EQ(calc.Values(), Texts({"0.5"}));
    calc.Undo();
    EXPECT_EQ(calc.Count(), 0u);
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
    const Op ops[] = {OpSin, OpCos, OpTan, OpArcSin, OpArcCos, OpArcTan};
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
