#include "input/Keypad.h"

#include <gtest/gtest.h>

#include <set>

namespace orvane {
namespace {

// The painter lays the keys out from the table: every cell of the 7 × 7 grid holds one key.
TEST(KeypadTable, FillsTheGridOnceInIndexOrder) {
    std::set<std::pair<int, int>> cells;
    for (int i = 0; i < kKeypadKeys; ++i) {
        const KeypadKey& key = Keypad()[static_cast<std::size_t>(i)];
        EXPECT_EQ(key.index, i);
        for (int c = key.column; c <= key.column + (key.wide ? 1 : 0); ++c) {
            EXPECT_TRUE(cells.insert({key.row, c}).second) << "two keys in one cell: " << i;
        }
    }
    EXPECT_EQ(cells.size(), 49u);
    EXPECT_EQ(cells.begin()->first, 0);
    EXPECT_EQ(cells.rbegin()->first, 6);
}

// Enter on a full stack keeps the typed number, and the window is told to warn.
TEST(Keypad, EnterOnAFullStackKeepsTheEntry) {
    Calculator calc;
    for (int i = 0; i < 9999; ++i) calc.push("1");
    calc.setEntry("42");
    EXPECT_TRUE(PressKey(calc, 14).stackFull);
    EXPECT_EQ(calc.entry(), "42");
    calc.drop();
    EXPECT_FALSE(PressKey(calc, 14).stackFull);
    EXPECT_EQ(calc.top(), "42");
}

}  // namespace
}  // namespace orvane
