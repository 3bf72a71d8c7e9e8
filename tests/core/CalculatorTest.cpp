#include "core/Calculator.h"

#include <gtest/gtest.h>

#include "support/Calculators.h"

namespace orvane {
namespace {

using Texts = std::vector<std::string>;

Calculator With(const Texts& values) { return testing_support::CalculatorWith(values); }

void Fill(Calculator& calc, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) calc.push(std::to_string(i + 1));
}

TEST(Stack, StartsEmptyWithElevenBlankRows) {
    Calculator calc;
    EXPECT_EQ(calc.count(), 0u);
    EXPECT_EQ(calc.top(), "");  // the sentinel
    EXPECT_EQ(calc.listing().rows, Texts(11, ""));
    EXPECT_EQ(calc.listing().countLabel, "Stack: 0");
    EXPECT_TRUE(calc.undoValues().empty());
}

TEST(Stack, PushRules) {
    Calculator calc;
    EXPECT_EQ(calc.push(""), PushResult::Ignored);
    EXPECT_EQ(calc.push("."), PushResult::Pushed);
    EXPECT_EQ(calc.push(""), PushResult::Pushed);  // duplicates the top
    EXPECT_EQ(calc.push("-"), PushResult::NotANumber);
    EXPECT_EQ(calc.push("-."), PushResult::NotANumber);
    EXPECT_EQ(calc.push("1E+"), PushResult::NotANumber);
    EXPECT_EQ(calc.push("1.79769313486232E+308"), PushResult::NotANumber);
    EXPECT_EQ(calc.values(), Texts({"0", "0"}));
    EXPECT_FALSE(calc.takeStackFullWarning());
}

TEST(Stack, DuplicatingANegativeZeroNormalisesOnlyTheCopy) {
    Calculator calc = With({"0"});
    ASSERT_TRUE(calc.replaceTopText("-0"));
    calc.push("");
    EXPECT_EQ(calc.values(), Texts({"-0", "0"}));
}

TEST(Stack, HoldsAtMost9999Values) {
    Calculator calc;
    Fill(calc, 9998);
    EXPECT_EQ(calc.push("1"), PushResult::Pushed);
    EXPECT_EQ(calc.count(), 9999u);
    const Listing before = calc.listing();
    for (const char* text : {"2", "", ".", "-"}) {  // the limit is tested first
        EXPECT_EQ(calc.push(text), PushResult::StackFull) << text;
        EXPECT_TRUE(calc.takeStackFullWarning());
        EXPECT_FALSE(calc.takeStackFullWarning());  // reported once
    }
    EXPECT_EQ(calc.count(), 9999u);
    EXPECT_EQ(calc.listing(), before);
    EXPECT_EQ(calc.listing().countLabel, "Stack: 9999");
}

TEST(Stack, ListingShowsTheElevenNearestTheTop) {
    Calculator calc;
    Fill(calc, 1);
    EXPECT_EQ(calc.listing().rows.back(), "1:      1");
    EXPECT_EQ(calc.listing().rows[9], "");
    Fill(calc, 10);  // 11 values: 1, then 1..10
    EXPECT_EQ(calc.listing().rows.front(), "11:      1");
    calc.push("1234.5");
    const auto& rows = calc.listing().rows;
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_EQ(rows.front(), "11:      1");  // the bottom value left the listing
    EXPECT_EQ(rows.back(), "1:      1,234.5");
    EXPECT_EQ(calc.listing().countLabel, "Stack: 12");
    calc.rotateBottomToTop();  // the unlisted bottom comes back as level 1
    EXPECT_EQ(calc.listing().rows.back(), "1:      1");
}

TEST(Stack, Manipulations) {
    Calculator calc = With({"1", "2", "3"});
    calc.swapTopTwo();
    EXPECT_EQ(calc.values(), Texts({"1", "3", "2"}));
    calc = With({"a", "b", "c"});  // not numbers: nothing stored
    EXPECT_EQ(calc.count(), 0u);
    calc = With({"1", "2", "3"});
    calc.rotateBottomToTop();
    EXPECT_EQ(calc.values(), Texts({"2", "3", "1"}));
    calc.rotateTopToBottom();
    EXPECT_EQ(calc.values(), Texts({"1", "2", "3"}));
    calc.rotateTopToBottom();
    EXPECT_EQ(calc.values(), Texts({"3", "1", "2"}));
    calc.setEntry("12");
    calc.extractTop();
    EXPECT_EQ(calc.entry(), "2");
    EXPECT_EQ(calc.values(), Texts({"3", "1"}));
    calc.drop();
    EXPECT_EQ(calc.values(), Texts({"3"}));
}

TEST(Stack, ManipulationsWithTooFewValuesDoNothing) {
    for (const Texts& values : {Texts{}, Texts{"7"}}) {
        Calculator calc;
        calc.clearAll();  // no rows now: a rebuild would show
        std::vector<StackText> texts;
        for (const auto& v : values) texts.push_back(*StackText::from(v));
        calc.replaceAll(texts);
        for (auto act : {&Calculator::swapTopTwo, &Calculator::rotateBottomToTop,
                         &Calculator::rotateTopToBottom}) {
            (calc.*act)();
            EXPECT_TRUE(calc.listing().rows.empty());
            EXPECT_EQ(calc.values(), values);
        }
    }
    Calculator calc;
    calc.setEntry("12");
    calc.extractTop();
    calc.drop();
    EXPECT_EQ(calc.entry(), "12");
}

TEST(Undo, OneLevelOfWholeStack) {
    Calculator calc = With({"1", "2"});
    calc.drop();        // snapshot 1, 2
    calc.swapTopTwo();  // no snapshot
    calc.push("9");
    calc.undo();
    EXPECT_EQ(calc.values(), Texts({"1", "2"}));
    calc.undo();
    EXPECT_EQ(calc.values(), Texts({"1", "2"}));  // twice is once
    calc.setEntry("5");
    calc.undo();
    EXPECT_EQ(calc.entry(), "");
}

TEST(Undo, DropOnAnEmptyStackKeepsTheOlderSnapshot) {
    Calculator calc = With({"4"});
    calc.takeSnapshot();
    calc.removeTop();
    calc.drop();  // empty: no snapshot
    calc.undo();
    EXPECT_EQ(calc.values(), Texts({"4"}));
}

TEST(Random, TwoCalculatorsAreSeededApart) {
    Calculator a, b;
    EXPECT_NE(a.nextRandom(), b.nextRandom());
}

}  // namespace
}  // namespace orvane
