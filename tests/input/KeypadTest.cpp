#include "input/Keypad.h"

#include <gtest/gtest.h>

#include <set>

#include "support/Calculators.h"

namespace orvane {
namespace {

using Texts = std::vector<std::string>;

TEST(KeypadTable, IndexesPlacesAndTooltips) {
    const auto keys = Keypad();
    std::set<std::pair<int, int>> cells;
    std::set<std::string_view> tooltips;
    for (int i = 0; i < kKeypadKeys; ++i) {
        const KeypadKey& k = keys[static_cast<std::size_t>(i)];
        EXPECT_EQ(k.index, i);
        EXPECT_FALSE(k.face.empty());
        EXPECT_NE(k.action, nullptr);
        EXPECT_TRUE(k.row >= 0 && k.row <= 6 && k.column >= 0 && k.column <= 6);
        if (k.wide) {
            EXPECT_TRUE(k.column == 0 || k.column == 5) << i;
        }
        for (int c = k.column; c <= k.column + (k.wide ? 1 : 0); ++c) {
            EXPECT_TRUE(cells.insert({k.row, c}).second) << "two keys in one cell: " << i;
        }
        tooltips.insert(k.tooltip);
    }
    EXPECT_EQ(cells.size(), 49u);  // every cell of the 7 × 7 grid, once
    EXPECT_EQ(tooltips.size(), 43u);
    EXPECT_EQ(keys[17].tooltip, "Substract");
    EXPECT_EQ(keys[14].tooltip, "Enter (Shortcut: ENTER)");
    EXPECT_EQ(keys[29].face, "x\u207F");
}

// Each key reaches its own action: the stack 10, 4, entry 2 (or the given entry) afterwards.
struct KeyCase {
    int index;
    const char* entry;
    Texts stack;
    const char* entryAfter;
};

std::ostream& operator<<(std::ostream& os, const KeyCase& c) { return os << "key " << c.index; }

class EveryKey : public testing::TestWithParam<KeyCase> {};

TEST_P(EveryKey, ReachesItsAction) {
    Calculator calc = testing_support::CalculatorWith({"10", "4"}, 0.5);
    calc.setEntry(GetParam().entry);
    PressKey(calc, GetParam().index);
    EXPECT_EQ(calc.values(), GetParam().stack) << "key " << GetParam().index;
    EXPECT_EQ(calc.entry(), GetParam().entryAfter) << "key " << GetParam().index;
}

INSTANTIATE_TEST_SUITE_P(
    Indexes, EveryKey,
    testing::Values(
        KeyCase{0, "2", {"10", "4"}, "20"}, KeyCase{1, "2", {"10", "4"}, "21"},
        KeyCase{2, "2", {"10", "4"}, "22"}, KeyCase{3, "2", {"10", "4"}, "23"},
        KeyCase{4, "2", {"10", "4"}, "24"}, KeyCase{5, "2", {"10", "4"}, "25"},
        KeyCase{6, "2", {"10", "4"}, "26"}, KeyCase{7, "2", {"10", "4"}, "27"},
        KeyCase{8, "2", {"10", "4"}, "28"}, KeyCase{9, "2", {"10", "4"}, "29"},
        KeyCase{10, "2", {"10", "4"}, "2."}, KeyCase{11, "2", {"10", "4"}, ""},
        KeyCase{12, "1", {"10", "4", "0"}, ""}, KeyCase{13, "25", {"10", "4"}, "2"},
        KeyCase{14, "2", {"10", "4", "2"}, ""}, KeyCase{15, "2", {"4", "10"}, "2"},
        KeyCase{16, "2", {"10", "6"}, ""}, KeyCase{17, "2", {"10", "2"}, ""},
        KeyCase{18, "2", {"10", "8"}, ""}, KeyCase{19, "2", {"10", "2"}, ""},
        KeyCase{20, "2", {}, ""}, KeyCase{21, "2", {"10"}, "4"}, KeyCase{22, "2", {"4", "10"}, "2"},
        KeyCase{23, "2", {"4", "10"}, "2"}, KeyCase{24, "2", {"10", "4"}, "3.14159265358979"},
        KeyCase{25, "2", {"10", "4"}, "-2"}, KeyCase{26, "2", {"10", "4", "0.5"}, ""},
        KeyCase{27, "2", {"10", "0.08"}, ""}, KeyCase{28, "", {"10", "2"}, ""},
        KeyCase{29, "2", {"10", "16"}, ""}, KeyCase{30, "2", {"10"}, "2"},
        KeyCase{31, "2", {"10", "400"}, ""}, KeyCase{32, "2.5", {"10", "4", "2"}, ""},
        KeyCase{33, "3", {"10", "1"}, ""}, KeyCase{34, "0", {"10", "4", "0"}, ""},
        KeyCase{35, "0", {"10", "4", "1"}, ""}, KeyCase{36, "0", {"10", "4", "0"}, ""},
        KeyCase{37, "1", {"10", "4", "1.5708"}, ""}, KeyCase{38, "1", {"10", "4", "0"}, ""},
        KeyCase{39, "1", {"10", "4", "0.7854"}, ""}, KeyCase{40, "", {"10", "10000"}, ""},
        KeyCase{41, "", {"10", "24"}, ""}, KeyCase{42, "2", {"10", "4"}, "0.5"},
        KeyCase{-1, "2", {"10", "4"}, "2"}, KeyCase{43, "2", {"10", "4"}, "2"}));

TEST(Keypad, TheRoadOfOneCalculation) {
    Calculator calc;
    for (int k : {2, 14, 3, 16}) PressKey(calc, k);
    EXPECT_EQ(calc.values(), Texts({"5"}));
    EXPECT_EQ(calc.listing().rows.back(), "1:      5");
    EXPECT_EQ(calc.listing().countLabel, "Stack: 1");
    calc.undo();
    EXPECT_EQ(calc.values(), Texts({"2"}));
    EXPECT_EQ(calc.entry(), "");
}

TEST(Keypad, ResetKeyIsUndoable) {
    Calculator calc;
    for (const char* v : {"1", "2", "3"}) calc.push(v);
    calc.setEntry("8");
    PressKey(calc, 20);
    EXPECT_EQ(calc.count(), 0u);
    EXPECT_EQ(calc.entry(), "");
    EXPECT_EQ(calc.listing().countLabel, "Stack: 0");
    EXPECT_TRUE(calc.listing().rows.empty());
    calc.undo();
    EXPECT_EQ(calc.values(), Texts({"1", "2", "3"}));
}

}  // namespace
}  // namespace orvane
