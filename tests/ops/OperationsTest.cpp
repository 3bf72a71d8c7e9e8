#include "ops/Operations.h"

#include <gtest/gtest.h>

#include "support/Calculators.h"

namespace orvane {
namespace {

using Texts = std::vector<std::string>;
using Op = void (*)(Calculator&, const std::string&);

struct Case {
    const char* name;
    Op op;
    Texts stack;
    const char* entry;
    Texts expected;  // the stack afterwards
};

std::ostream& operator<<(std::ostream& os, const Case& c) { return os << c.name; }

Calculator With(const Texts& values) { return testing_support::CalculatorWith(values); }

class Results : public testing::TestWithParam<Case> {};

// Every case: the result (or, on failure, the operands kept), an empty entry line, and an
// undo snapshot of the stack as it was before the key.
TEST_P(Results, GiveTheExpectedStack) {
    const Case& c = GetParam();
    Calculator calc = With(c.stack);
    c.op(calc, c.entry);
    EXPECT_EQ(calc.values(), c.expected);
    EXPECT_EQ(calc.entry(), "");
    EXPECT_EQ(calc.undoValues(), c.stack);
    EXPECT_EQ(calc.listing().countLabel,
              std::string("Stack: ") + std::to_string(c.expected.size()));
}

INSTANTIATE_TEST_SUITE_P(
    TwoOperands, Results,
    testing::Values(
        Case{"add", ops::Add, {"10", "4"}, "", {"14"}},
        Case{"subtract", ops::Subtract, {"10", "4"}, "", {"6"}},
        Case{"multiply", ops::Multiply, {"10", "4"}, "", {"40"}},
        Case{"divide", ops::Divide, {"10", "4"}, "", {"2.5"}},
        Case{"power", ops::Power, {"10", "4"}, "", {"10000"}},
        Case{"mod", ops::Mod, {"10", "4"}, "", {"2"}},
        Case{"percent", ops::Percent, {"10", "4"}, "", {"0.4"}},
        Case{"exponential", ops::Exponential, {"10", "4"}, "", {"100000"}},
        Case{"third", ops::Divide, {"1"}, "3", {"0.333333333333333"}},
        Case{"divide by zero fails", ops::Divide, {"7", "0"}, "", {"7", "0"}},
        Case{"zero by zero fails", ops::Divide, {"0"}, "0", {"0", "0"}},
        Case{"overflow", ops::Multiply, {"1E+300", "1E+300"}, "", {"1E+300", "1E+300"}},
        Case{"unreadable result",
             ops::Add,
             {"1.7976931348623E+308", "1E+295"},
             "",
             {"1.7976931348623E+308", "1E+295"}},
        Case{"entry not a number", ops::Add, {"5", "6"}, "-", {"5", "6"}},
        Case{"power 2^10", ops::Power, {"2", "10"}, "", {"1024"}},
        Case{"power x=0", ops::Power, {"2", "0"}, "", {"1"}},
        Case{"power 0^0", ops::Power, {"0", "0"}, "", {"1"}},
        Case{"power negative", ops::Power, {"2", "-1"}, "", {"0.5"}},
        Case{"power half", ops::Power, {"2", "0.5"}, "", {"1.4142135623731"}},
        Case{"power 1.6", ops::Power, {"2", "1.6"}, "", {"3.0314331330208"}},
        Case{"power 317", ops::Power, {"2", "317"}, "", {"2.66998379490114E+95"}},
        Case{"power 318", ops::Power, {"2", "318"}, "", {"5.33996758980228E+95"}},
        Case{"power overflow", ops::Power, {"10", "309"}, "", {"10", "309"}},
        Case{"power invalid", ops::Power, {"-8", "0.5"}, "", {"-8", "0.5"}},
        Case{"power pole", ops::Power, {"0", "-1"}, "", {"0", "-1"}},
        Case{"power underflow", ops::Power, {"0.5", "2000"}, "", {"0"}},
        Case{"mod by zero fails", ops::Mod, {"7", "0"}, "", {"7", "0"}},
        Case{"mod rounds to zero", ops::Mod, {"7", "0.4"}, "", {"7", "0.4"}},
        Case{"mod negative", ops::Mod, {"-7", "3"}, "", {"-1"}},
        Case{"mod by negative", ops::Mod, {"7", "-3"}, "", {"1"}},
        Case{"mod rounds y", ops::Mod, {"7.6", "3"}, "", {"2"}},
        Case{"mod rounds x to even", ops::Mod, {"7", "2.5"}, "", {"1"}},
        Case{"mod beyond 32 bits", ops::Mod, {"3000000000", "7"}, "", {"3000000000", "7"}},
        Case{"mod quotient overflow", ops::Mod, {"-2147483648", "-1"}, "", {"-2147483648", "-1"}},
        Case{"percent", ops::Percent, {"200", "15"}, "", {"30"}},
        Case{"exp 3,2", ops::Exponential, {"3", "2"}, "", {"300"}},
        Case{"exp -4,3", ops::Exponential, {"-4", "3"}, "", {"-4000"}},
        Case{"exp 2.5,2", ops::Exponential, {"2.5", "2"}, "", {"250"}},
        Case{"exp 1E+20,1", ops::Exponential, {"1E+20", "1"}, "", {"1E+21"}},
        Case{"exp 1E-05,1", ops::Exponential, {"1E-05", "1"}, "", {"0.0001"}},
        Case{"exp 7,-3", ops::Exponential, {"7", "-3"}, "", {"0.007"}},
        Case{"exp overflow", ops::Exponential, {"5", "309"}, "", {"5", "309"}},
        Case{"exp zero", ops::Exponential, {"0", "1000000000"}, "", {"0"}},
        Case{"exp huge", ops::Exponential, {"1", "1000000000"}, "", {"1", "1000000000"}},
        Case{"exp tiny", ops::Exponential, {"1", "-1000000000"}, "", {"0"}},
        Case{"exp rounding overflow",
             ops::Exponential,
             {"2", "3000000000"},
             "",
             {"2", "3000000000"}},
        Case{"exp ties to even", ops::Exponential, {"1", "2.5"}, "", {"100"}}));

INSTANTIATE_TEST_SUITE_P(
    OneOperand, Results,
    testing::Values(Case{"reciprocal", ops::Reciprocal, {"4"}, "", {"0.25"}},
                    Case{"reciprocal third", ops::Reciprocal, {"3"}, "", {"0.333333333333333"}},
                    Case{"reciprocal zero", ops::Reciprocal, {"0"}, "", {"0"}},
                    Case{"root", ops::SquareRoot, {"16"}, "", {"4"}},
                    Case{"root 2", ops::SquareRoot, {"2"}, "", {"1.4142135623731"}},
                    Case{"root negative", ops::SquareRoot, {"-4"}, "", {"-4"}},
                    Case{"root of entry on empty stack", ops::SquareRoot, {}, "9", {"3"}},
                    Case{"ln 1", ops::NaturalLog, {"1"}, "", {"0"}},
                    Case{"ln e", ops::NaturalLog, {"2.71828182845905"}, "", {"1"}},
                    Case{"ln 0", ops::NaturalLog, {"0"}, "", {"0"}},
                    Case{"ln -1", ops::NaturalLog, {"-1"}, "", {"-1"}},
                    Case{"ten 3", ops::PowerOf10, {"3"}, "", {"1000"}},
                    Case{"ten 0", ops::PowerOf10, {"0"}, "", {"1"}},
                    Case{"ten 22", ops::PowerOf10, {"22"}, "", {"1E+22"}},
                    Case{"ten 308", ops::PowerOf10, {"308"}, "", {"1E+308"}},
                    Case{"ten -2", ops::PowerOf10, {"-2"}, "", {"0.01"}},
                    Case{"ten 2.5", ops::PowerOf10, {"2.5"}, "", {"316.227766016838"}},
                    Case{"ten 0.5", ops::PowerOf10, {"0.5"}, "", {"3.16227766016838"}},
                    Case{"ten 309", ops::PowerOf10, {"309"}, "", {"309"}},
                    Case{"ten 308.3", ops::PowerOf10, {"308.3"}, "", {"308.3"}},
                    Case{"ten 318", ops::PowerOf10, {"318"}, "", {"318"}},
                    Case{"ten 2E+9", ops::PowerOf10, {"2000000000"}, "", {"2000000000"}},
                    Case{"ten -2E+9", ops::PowerOf10, {"-2000000000"}, "", {"0"}},
                    Case{"int 2.7", ops::Integer, {"2.7"}, "", {"2"}},
                    Case{"int -2.5", ops::Integer, {"-2.5"}, "", {"-3"}},
                    Case{"int -0.5", ops::Integer, {"-0.5"}, "", {"-1"}},
                    Case{"int 5", ops::Integer, {"5"}, "", {"5"}},
                    Case{"int 1E+20", ops::Integer, {"1E+20"}, "", {"1E+20"}},
                    Case{"series 5", ops::Factorial, {"5"}, "", {"120"}},
                    Case{"series 0", ops::Factorial, {"0"}, "", {"1"}},
                    Case{"series -0.4", ops::Factorial, {"-0.4"}, "", {"1"}},
                    Case{"series -3 fails", ops::Factorial, {"-3"}, "", {"-3"}},
                    Case{"series 2.5", ops::Factorial, {"2.5"}, "", {"2"}},
                    Case{"series 3.5", ops::Factorial, {"3.5"}, "", {"24"}},
                    Case{"series 170", ops::Factorial, {"170"}, "", {"7.25741561530799E+306"}},
                    Case{"series 171", ops::Factorial, {"171"}, "", {"171"}},
                    Case{"series 2E+9", ops::Factorial, {"2000000000"}, "", {"2000000000"}},
                    Case{"series 3E+9", ops::Factorial, {"3000000000"}, "", {"3000000000"}}));

TEST(Template, TwoOperandsOnAnEmptyStackKeepTheEntry) {
    Calculator calc;
    calc.push("1");
    calc.drop();  // snapshot: 1
    ops::Add(calc, "5");
    EXPECT_EQ(calc.count(), 0u);
    EXPECT_EQ(calc.entry(), "");  // the caller's entry line is not touched...
    calc.setEntry("5");
    ops::Add(calc, calc.entry());
    EXPECT_EQ(calc.entry(), "5");  // ...and keeps its text
    calc.undo();
    EXPECT_EQ(calc.count(), 0u);  // the snapshot was replaced by the empty stack
}

TEST(Template, TooFewOperandsOnlyReplaceTheSnapshot) {
    Calculator calc;
    calc.push("5");
    ops::Add(calc, "");
    EXPECT_EQ(calc.values(), Texts({"5"}));
    EXPECT_EQ(calc.undoValues(), Texts({"5"}));
    Calculator empty;
    ops::SquareRoot(empty, "");
    EXPECT_EQ(empty.count(), 0u);
}

TEST(Template, UndoAfterAnOperationForgetsThePushedEntry) {
    Calculator calc;
    calc.push("2");
    calc.setEntry("3");
    ops::Add(calc, calc.entry());
    EXPECT_EQ(calc.values(), Texts({"5"}));
    EXPECT_EQ(calc.listing().rows.back(), "1:      5");
    calc.undo();
    EXPECT_EQ(calc.values(), Texts({"2"}));
    EXPECT_EQ(calc.entry(), "");
}

TEST(Template, AFailureKeepsAPushedEntry) {
    Calculator calc;
    calc.push("7");
    calc.setEntry("0");
    ops::Divide(calc, calc.entry());
    EXPECT_EQ(calc.values(), Texts({"7", "0"}));
    EXPECT_EQ(calc.entry(), "");
    calc.undo();
    EXPECT_EQ(calc.values(), Texts({"7"}));
}

TEST(Template, AFullStackChangesNoOperandAndKeepsTheEntry) {
    for (Op op : {ops::Add, ops::SquareRoot, ops::Sin}) {
        Calculator calc;
        for (int i = 0; i < 9999; ++i) calc.push("4");
        calc.setEntry("1");
        op(calc, calc.entry());
        EXPECT_TRUE(calc.takeStackFullWarning());
        EXPECT_EQ(calc.count(), 9999u);
        EXPECT_EQ(calc.top(), "4");
        EXPECT_EQ(calc.entry(), "1");
    }
    Calculator calc;  // with an empty entry a full stack is no obstacle
    for (int i = 0; i < 9999; ++i) calc.push("4");
    ops::Add(calc, "");
    EXPECT_EQ(calc.count(), 9998u);
    EXPECT_EQ(calc.top(), "8");
    EXPECT_FALSE(calc.takeStackFullWarning());
}

TEST(Random, WritesTheEntryOnly) {
    Calculator calc = testing_support::CalculatorWith({"1", "2"}, 0.123456789012345678);
    calc.drop();
    calc.setEntry("12");
    ops::RandomIntoEntry(calc);
    EXPECT_EQ(calc.entry(), "0.123456789012346");
    EXPECT_EQ(calc.values(), Texts({"1"}));
    EXPECT_EQ(calc.undoValues(), Texts({"1", "2"}));
}

TEST(Random, StaysInTheUnitInterval) {
    Calculator calc;
    for (int i = 0; i < 1000; ++i) {
        ops::RandomIntoEntry(calc);
        const double r = std::stod(calc.entry());
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
}

}  // namespace
}  // namespace orvane
