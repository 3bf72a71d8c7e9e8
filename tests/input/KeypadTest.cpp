#include "input/Keypad.h"

#include <gtest/gtest.h>

#include "input/Commands.h"

namespace orvane {
namespace {

// On a full stack no operand is taken and the typed number stays, and the window is told to
// warn; with no entry an operation's operands make room for its result.
TEST(Keypad, AFullStackKeepsOperandsAndEntry) {
    const std::pair<Command, const char*> keys[] = {{Command::Add, "8"},
                                                    {Command::SquareRoot, "2"},
                                                    {Command::Sin, "-0.7568"},
                                                    {Command::Enter, "4"}};
    NoShell shell;
    for (const auto& [key, top] : keys) {  // and the top each leaves with no entry
        Calculator calc;
        for (int i = 0; i < 9999; ++i) calc.push("4");
        calc.setEntry("1");
        EXPECT_TRUE(RunCommand(calc, key, shell).stackFull());
        EXPECT_EQ(calc.top(), "4");
        EXPECT_EQ(calc.entry(), "1");
        calc.setEntry("");
        EXPECT_EQ(RunCommand(calc, key, shell).stackFull(), key == Command::Enter);  // Enter dups
        EXPECT_EQ(calc.top(), top);
    }
}

}  // namespace
}  // namespace orvane
