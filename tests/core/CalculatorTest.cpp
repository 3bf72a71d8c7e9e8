#include "core/Calculator.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane {
namespace {

// 1 to 9999, each pushed.
Calculator Full() {
    Calculator calc;
    for (int i = 1; i <= 9999; ++i) EXPECT_EQ(calc.push(std::to_string(i)), PushResult::Pushed);
    return calc;
}

// Below the bottom value lies an empty sentinel, which no text may replace.
TEST(Stack, AnEmptyOnesTopIsAnEmptySentinel) {
    Calculator calc;
    calc.replaceTopText("5");
    EXPECT_EQ(calc.top(), "");
}

// The key sessions and the engine fuzz target read the last row; this is the first.
TEST(Stack, ListsLevel11OnTheFirstRow) {
    EXPECT_EQ(Full().listing().rows.front(), "11:      9,989");
}

// Two calculators draw different numbers, spread over the whole of [0, 1).
TEST(Random, SeededApartAndSpread) {
    Calculator a, b;
    EXPECT_NE(a.nextRandom(), b.nextRandom());
    std::vector<double> draws(64);
    for (double& r : draws) r = a.nextRandom();
    const auto [lowest, highest] = std::minmax_element(draws.begin(), draws.end());
    EXPECT_LT(*lowest, 0.25);
    EXPECT_GT(*highest, 0.75);
    EXPECT_LT(*highest, 1);
}

}  // namespace
}  // namespace orvane
