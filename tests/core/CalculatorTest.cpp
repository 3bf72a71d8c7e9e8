#include "core/Calculator.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane {
namespace {

using Texts = std::vector<std::string>;

TEST(Stack, HoldsAtMost9999ValuesAndListsTheElevenNearestTheTop) {
    Calculator calc;
    EXPECT_EQ(calc.top(), "");  // the sentinel below the bottom value
    EXPECT_EQ(calc.listing(), (Listing{Texts(11, ""), "Stack: 0"}));
    calc.push("7");
    EXPECT_EQ(calc.listing().rows, Texts({"", "", "", "", "", "", "", "", "", "", "1:      7"}));
    for (int i = 2; i <= 9999; ++i) EXPECT_EQ(calc.push(std::to_string(i)), PushResult::Pushed);
    const Listing full = calc.listing();
    EXPECT_EQ(full.rows.front(), "11:      9,989");
    for (const char* text : {"2", "", ".", "-"}) {  // the limit is tested first
        EXPECT_EQ(calc.push(text), PushResult::StackFull) << text;
    }
    EXPECT_EQ(calc.listing(), full);
    calc.clearAll();
    EXPECT_EQ(calc.listing(), (Listing{Texts(11, ""), "Stack: 0"}));
    calc.replaceTopText("5");  // no top to change: the sentinel stays empty
    EXPECT_EQ(calc.top(), "");
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
