#include "input/EntryLine.h"

#include <gtest/gtest.h>

#include "input/Keypad.h"

namespace orvane {
namespace {

using Texts = std::vector<std::string>;

// Keys by keypad index, as the keyboard and the mouse send them.
void Press(Calculator& calc, std::initializer_list<int> keys) {
    for (int k : keys) PressKey(calc, k);
}

constexpr int kPoint = 10, kClear = 11, kDelete = 13, kEnter = 14, kPi = 24, kSign = 25;

struct Typing {
    const char* before;
    std::vector<int> keys;
    const char* after;
};

std::ostream& operator<<(std::ostream& os, const Typing& c) {
    return os << '"' << c.before << '"' << " + " << c.keys.size() << " keys";
}

class EntryEdits : public testing::TestWithParam<Typing> {};

TEST_P(EntryEdits, ChangeTheText) {
    Calculator calc;
    calc.setEntry(GetParam().before);
    for (int k : GetParam().keys) PressKey(calc, k);
    EXPECT_EQ(calc.entry(), GetParam().after);
    EXPECT_EQ(calc.count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EntryEdits,
    testing::Values(Typing{"", {1, 2, kPoint, 5}, "12.5"}, Typing{"", {kPoint}, "."},
                    Typing{"1.2", {kPoint}, "1.2"}, Typing{"1.2", {kDelete, kPoint}, "1."},
                    Typing{"", {kDelete}, ""}, Typing{"-", {kDelete}, ""},
                    Typing{"5", {kSign}, "-5"}, Typing{"-5", {kSign}, "5"},
                    Typing{".", {kSign}, "-."}, Typing{"-", {kSign}, ""},
                    Typing{"0", {0, 7}, "007"}, Typing{"12", {kClear}, ""},
                    Typing{"99", {kPi}, "3.14159265358979"},
                    Typing{"",
                           {kPi, 5},
                           "3.14159265358979"
                           "5"},
                    Typing{"", {kPi, kPoint}, "3.14159265358979"},
                    Typing{"1E+20", {kPoint, 5}, "1E+20.5"},
                    Typing{"12345678901234567890123", {4, kPoint}, "12345678901234567890123"},
                    Typing{"12345678901234567890123", {kSign}, "-12345678901234567890123"},
                    Typing{"1234567890123456789012", {kPoint, 5}, "1234567890123456789012."}));

TEST(Enter, OnAnEmptyStackWithNoEntryOnlyEmptiesTheSnapshot) {
    Calculator calc;
    calc.push("1");
    calc.drop();  // snapshot holds 1
    Enter(calc);
    EXPECT_EQ(calc.count(), 0u);
    calc.undo();
    EXPECT_EQ(calc.count(), 0u);
}

TEST(Enter, ANonNumberStaysForCorrection) {
    Calculator calc;
    calc.push("4");
    calc.setEntry("-");
    Enter(calc);
    EXPECT_EQ(calc.entry(), "-");
    EXPECT_EQ(calc.values(), Texts({"4"}));
    EXPECT_EQ(calc.undoValues(), Texts({"4"}));
}

TEST(Enter, AFullStackKeepsTheTypedNumber) {
    Calculator calc;
    for (int i = 0; i < 9999; ++i) calc.push("1");
    calc.setEntry("42");
    EXPECT_TRUE(PressKey(calc, kEnter).stackFull);
    EXPECT_EQ(calc.entry(), "42");
    EXPECT_EQ(calc.count(), 9999u);
    calc.drop();
    EXPECT_FALSE(PressKey(calc, kEnter).stackFull);
    EXPECT_EQ(calc.top(), "42");
    EXPECT_EQ(calc.entry(), "");
}

TEST(ClearKey, ClearsTheEntryThenDrops) {
    Calculator calc;
    calc.push("3");
    calc.push("4");
    calc.setEntry("12");
    Press(calc, {kClear});
    EXPECT_EQ(calc.entry(), "");
    EXPECT_EQ(calc.values(), Texts({"3", "4"}));
    Press(calc, {kClear});
    EXPECT_EQ(calc.values(), Texts({"3"}));
    Press(calc, {kClear, kClear});  // an empty stack: the undo copy becomes empty too
    EXPECT_EQ(calc.count(), 0u);
    calc.undo();
    EXPECT_EQ(calc.count(), 0u);
}

TEST(SignKey, ActsOnTheTopAsText) {
    Calculator calc;
    Press(calc, {kSign});  // empty stack: nothing, no snapshot
    calc.push("3");
    calc.push("0");
    calc.push("1E+20");
    Press(calc, {kSign});
    EXPECT_EQ(calc.top(), "-1E+20");
    EXPECT_EQ(calc.listing().rows.back(), "1:      -1E+20");
    calc.undo();
    EXPECT_EQ(calc.top(), "1E+20");
    calc.drop();
    Press(calc, {kSign});
    EXPECT_EQ(calc.top(), "-0");
    EXPECT_EQ(calc.listing().rows.back(), "1:      0");
    Press(calc, {kSign});
    EXPECT_EQ(calc.top(), "0");
    calc.push("-1.23456789012346E-308");
    Press(calc, {kSign, kSign});
    EXPECT_EQ(calc.top(), "-1.23456789012346E-308");
}

TEST(Paste, OnlyNumberTextsReplaceTheEntry) {
    Calculator calc;
    calc.setEntry("5");
    EXPECT_TRUE(PasteIntoEntry(calc, "  42  "));
    EXPECT_EQ(calc.entry(), "42");
    EXPECT_TRUE(PasteIntoEntry(calc, "\t1.5E3\r\n"));
    EXPECT_EQ(calc.entry(), "1.5E3");
    for (const char* bad : {"abc", "", "   ", "1 2", "1,5", "-"}) {
        EXPECT_FALSE(PasteIntoEntry(calc, bad)) << bad;
        EXPECT_EQ(calc.entry(), "1.5E3");
    }
    Enter(calc);
    EXPECT_EQ(calc.top(), "1500");
    EXPECT_EQ(calc.count(), 1u);
    const std::string huge = "0." + std::string(1 << 20, '0') + "7";
    EXPECT_TRUE(PasteIntoEntry(calc, huge));  // a number text, whatever its length
    EXPECT_FALSE(PasteIntoEntry(calc, huge + "x"));
    EXPECT_EQ(calc.entry().size(), huge.size());
}

TEST(HasPoint, FindsAPointAnywhere) {
    EXPECT_FALSE(HasPoint(""));
    EXPECT_FALSE(HasPoint("1E+20"));
    EXPECT_TRUE(HasPoint("."));
    EXPECT_TRUE(HasPoint("1.5E-07"));
}

}  // namespace
}  // namespace orvane
