#include "input/Keypad.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// On a full stack no operand is taken and the typed number stays, and the window is told to
// warn; with no entry an operation's operands make room for its result.
TEST(Keypad, AFullStackKeepsOperandsAndEntry) {
    const std::pair<Key, const char*> keys[] = {
        {Key::Add, "8"}, {Key::SquareRoot, "2"}, {Key::Sin, "-0.7568"}, {Key::Enter, "4"}};
    for (const auto& [key, top] : keys) {  // and the top each leaves with no entry
        Calculator calc;
        for (int i = 0; i < 9999; ++i) calc.push("4");
        calc.setEntry("1");
        EXPECT_TRUE(PressKey(calc, key).stackFull);
        EXPECT_EQ(calc.top(), "4");
        EXPECT_EQ(calc.entry(), "1");
        calc.setEntry("");
        EXPECT_EQ(PressKey(calc, key).stackFull, key == Key::Enter);  // Enter duplicates the top
        EXPECT_EQ(calc.top(), top);
    }
}

}  // namespace
}  // namespace orvane
