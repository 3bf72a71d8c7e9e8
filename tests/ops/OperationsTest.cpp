#include "ops/Operations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>

#include "core/NumberText.h"

namespace orvane {
namespace {

using Op = Outcome (*)(Calculator&);

// The trigonometric keys against the C library's long double functions, with the calculator's
// degree constant, rounded to 5 decimals.
TEST(Trigonometry, AgreesWithLongDoubleFunctions) {
    constexpr long double kDegreesPerRadian = 57.2957795L;
    const std::tuple<Op, long double (*)(long double), bool> keys[] = {
        {ops::Sin, sinl, false},    {ops::Cos, cosl, false},    {ops::Tan, tanl, false},
        {ops::ArcSin, asinl, true}, {ops::ArcCos, acosl, true}, {ops::ArcTan, atanl, true}};
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> angle(-720, 720), unit(-1, 1);
    int compared = 0;
    for (int i = 0; i < 8000; ++i) {
        for (const auto& [op, exact, inverse] : keys) {
            const std::string text = NormalForm(inverse ? unit(random) : angle(random));
            const long double x = *ParseNumber(text), perRadian = i % 2 ? kDegreesPerRadian : 1;
            const long double scaled =
                (inverse ? exact(x) * perRadian : exact(x / perRadian)) * 100000;
            // Near a pole, or so near a rounding tie that the arcsine's 1E-12 guard term may
            // tip it, either neighbour is right.
            if (std::fabs(scaled) > 1E9L) continue;
            if (std::fabs(std::fabs(scaled - std::trunc(scaled)) - 0.5L) < 1E-4L) continue;
            Calculator calc;
            calc.setAngle(i % 2 ? AngleMode::Degrees : AngleMode::Radians);
            calc.setEntry(text);
            op(calc);
            const auto expected = static_cast<double>(std::nearbyint(scaled) / 100000);
            ASSERT_EQ(calc.values(), std::vector{NormalForm(expected)}) << text;
            ++compared;
        }
    }
    EXPECT_GT(compared, 40000);
}

}  // namespace
}  // namespace orvane
