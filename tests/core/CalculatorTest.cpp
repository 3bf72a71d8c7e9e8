#include "core/Calculator.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using Texts = std::vector<std::string>;

TEST(Stack, HoldsAtMost9999Values) {
    Calculator calc;
    EXPECT_FALSE(calc.takeStackFullWarning());
    for (int i = 1; i <= 9998; ++i) calc.push(std::to_string(i));
    EXPECT_EQ(calc.push("9999"), PushResult::Pushed);
    const Listing before = calc.listing();
    for (const char* text : {"2", "", ".", "-"}) {  // the limit is tested first
        EXPECT_EQ(calc.push(text), PushResult::StackFull) << text;
        EXPECT_TRUE(calc.takeStackFullWarning());
        EXPECT_FALSE(calc.takeStackFullWarning());  // reported once
    }
    EXPECT_EQ(calc.count(), 9999u);
    EXPECT_EQ(calc.listing(), before);
    EXPECT_EQ(before.countLabel, "Stack: 9999");
    EXPECT_EQ(before.rows.front(), "11:      9,989");
    EXPECT_EQ(before.rows.back(), "1:      9,999");
}

TEST(Stack, ListingShowsTheElevenNearestTheTopAndBlanksAbove) {
    Calculator calc;
    EXPECT_EQ(calc.top(), "");  // the sentinel below the bottom value
    EXPECT_EQ(calc.listing().rows, Texts(11, ""));
    EXPECT_EQ(calc.listing().countLabel, "Stack: 0");
    calc.push("7");
    calc.push("8");
    EXPECT_EQ(calc.listing().rows,
              Texts({"", "", "", "", "", "", "", "", "", "2:      7", "1:      8"}));
    EXPECT_EQ(calc.listing().countLabel, "Stack: 2");
    calc.clearAll();
    EXPECT_TRUE(calc.listing().rows.empty());  // after a reset the listing is blank
    EXPECT_EQ(calc.listing().countLabel, "Stack: 0");
}

TEST(Random, TwoCalculatorsAreSeededApart) {
    Calculator a, b;
    EXPECT_NE(a.nextRandom(), b.nextRandom());
}

}  // namespace
}  // namespace orvane
