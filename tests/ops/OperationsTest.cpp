#include "ops/Operations.h"

#include <gtest/gtest.h>

#include "support/Calculators.h"

namespace orvane {
namespace {

using Texts = std::vector<std::string>;
using Op = void (*)(Calculator&, std::string);

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
    EXPECT_EQ(calc.Values(), c.expected);
    EXPECT_EQ(calc.entry, "");
    EXPECT_EQ(calc.UndoValues(), c.stack);
    EXPECT_EQ(calc.listing().countLabel,
              std::string("Stack: ") + std::to_string(c.expected.size()));
}

INSTANTIATE_TEST_SUITE_P(
    TwoOperands, Results,
    testing::Values(
        Case{"add", OpAdd, {"10", "4"}, "", {"14"}},
        Case{"subtract", OpSubtract, {"10", "4"}, "", {"6"}},
        Case{"multiply", OpMultiply, {"10", "4"}, "", {"40"}},
        Case{"divide", OpDivide, {"10", "4"}, "", {"2.5"}},
        Case{"power", OpPower, {"10", "4"}, "", {"10000"}},
        Case{"mod", OpMod, {"10", "4"}, "", {"2"}},
        Case{"percent", OpPercent, {"10", "4"}, "", {"0.4"}},
        Case{"exponential", OpExponential, {"10", "4"}, "", {"100000"}},
        Case{"third", OpDivide, {"1"}, "3", {"0.333333333333333"}},
        Case{"divide by zero fails", OpDivide, {"7", "0"}, "", {"7", "0"}},
        Case{"zero by zero fails", OpDivide, {"0"}, "0", {"0", "0"}},
        Case{"overflow", OpMultiply, {"1E+300", "1E+300"}, "", {"1E+300", "1E+300"}},
        Case{"unreadable result",
             OpAdd,
             {"1.7976931348623E+308", "1E+295"},
             "",
             {"1.7976931348623E+308", "1E+295"}},
        Case{"entry not a number", OpAdd, {"5", "6"}, "-", {"5", "6"}},
        Case{"power 2^10", OpPower, {"2", "10"}, "", {"1024"}},
        Case{"power x=0", OpPower, {"2", "0"}, "", {"1"}},
        Case{"power 0^0", OpPower, {"0", "0"}, "", {"1"}},
        Case{"power negative", OpPower, {"2", "-1"}, "", {"0.5"}},
        Case{"power half", OpPower, {"2", "0.5"}, "", {"1.4142135623731"}},
        Case{"power 1.6", OpPower, {"2", "1.6"}, "", {"3.0314331330208"}},
        Case{"power 317", OpPower, {"2", "317"}, "", {"2.66998379490114E+95"}},
        Case{"power 318", OpPower, {"2", "318"}, "", {"5.33996758980228E+95"}},
        Case{"power overflow", OpPower, {"10", "309"}, "", {"10", "309"}},
        Case{"power invalid", OpPower, {"-8", "0.5"}, "", {"-8", "0.5"}},
        Case{"power pole", OpPower, {"0", "-1"}, "", {"0", "-1"}},
        Case{"power underflow", OpPower, {"0.5", "2000"}, "", {"0"}},
        Case{"mod by zero fails", OpMod, {"7", "0"}, "", {"7", "0"}},
        Case{"mod rounds to zero", OpMod, {"7", "0.4"}, "", {"7", "0.4"}},
        Case{"mod negative", OpMod, {"-7", "3"}, "", {"-1"}},
        Case{"mod by negative", OpMod, {"7", "-3"}, "", {"1"}},
        Case{"mod rounds y", OpMod, {"7.6", "3"}, "", {"2"}},
        Case{"mod rounds x to even", OpMod, {"7", "2.5"}, "", {"1"}},
        Case{"mod beyond 32 bits", OpMod, {"3000000000", "7"}, "", {"3000000000", "7"}},
        Case{"mod quotient overflow", OpMod, {"-2147483648", "-1"}, "", {"-2147483648", "-1"}},
        Case{"percent", OpPercent, {"200", "15"}, "", {"30"}},
        Case{"exp 3,2", OpExponential, {"3", "2"}, "", {"300"}},
        Case{"exp -4,3", OpExponential, {"-4", "3"}, "", {"-4000"}},
        Case{"exp 2.5,2", OpExponential, {"2.5", "2"}, "", {"250"}},
        Case{"exp 1E+20,1", OpExponential, {"1E+20", "1"}, "", {"1E+21"}},
        Case{"exp 1E-05,1", OpExponential, {"1E-05", "1"}, "", {"0.0001"}},
        Case{"exp 7,-3", OpExponential, {"7", "-3"}, "", {"0.007"}},
        Case{"exp overflow", OpExponential, {"5", "309"}, "", {"5", "309"}},
        Case{"exp zero", OpExponential, {"0", "1000000000"}, "", {"0"}},
        Case{"exp huge", OpExponential, {"1", "1000000000"}, "", {"1", "1000000000"}},
        Case{"exp tiny", OpExponential, {"1", "-1000000000"}, "", {"0"}},
        Case{"exp rounding overflow", OpExponential, {"2", "3000000000"}, "", {"2", "3000000000"}},
        Case{"exp ties to even", OpExponential, {"1", "2.5"}, "", {"100"}}));

INSTANTIATE_TEST_SUITE_P(
    OneOperand, Results,
    testing::Values(Case{"reciprocal", OpReciprocal, {"4"}, "", {"0.25"}},
                    Case{"reciprocal third", OpReciprocal, {"3"}, "", {"0.333333333333333"}},
                    Case{"reciprocal zero", OpReciprocal, {"0"}, "", {"0"}},
                    Case{"root", OpSquareRoot, {"16"}, "", {"4"}},
                    Case{"root 2", OpSquareRoot, {"2"}, "", {"1.4142135623731"}},
                    Case{"root negative", OpSquareRoot, {"-4"}, "", {"-4"}},
                    Case{"root of entry on empty stack", OpSquareRoot, {}, "9", {"3"}},
                    Case{"ln 1", OpNaturalLog, {"1"}, "", {"0"}},
                    Case{"ln e", OpNaturalLog, {"2.71828182845905"}, "", {"1"}},
                    Case{"ln 0", OpNaturalLog, {"0"}, "", {"0"}},
                    Case{"ln -1", OpNaturalLog, {"-1"}, "", {"-1"}},
                    Case{"ten 3", OpPowerOf10, {"3"}, "", {"1000"}},
                    Case{"ten 0", OpPowerOf10, {"0"}, "", {"1"}},
                    Case{"ten 22", OpPowerOf10, {"22"}, "", {"1E+22"}},
                    Case{"ten 308", OpPowerOf10, {"308"}, "", {"1E+308"}},
                    Case{"ten -2", OpPowerOf10, {"-2"}, "", {"0.01"}},
                    Case{"ten 2.5", OpPowerOf10, {"2.5"}, "", {"316.227766016838"}},
                    Case{"ten 0.5", OpPowerOf10, {"0.5"}, "", {"3.16227766016838"}},
                    Case{"ten 309", OpPowerOf10, {"309"}, "", {"309"}},
                    Case{"ten 308.3", OpPowerOf10, {"308.3"}, "", {"308.3"}},
                    Case{"ten 318", OpPowerOf10, {"318"}, "", {"318"}},
                    Case{"ten 2E+9", OpPowerOf10, {"2000000000"}, "", {"2000000000"}},
                    Case{"ten -2E+9", OpPowerOf10, {"-2000000000"}, "", {"0"}},
                    Case{"int 2.7", OpInteger, {"2.7"}, "", {"2"}},
                    Case{"int -2.5", OpInteger, {"-2.5"}, "", {"-3"}},
                    Case{"int -0.5", OpInteger, {"-0.5"}, "", {"-1"}},
                    Case{"int 5", OpInteger, {"5"}, "", {"5"}},
                    Case{"int 1E+20", OpInteger, {"1E+20"}, "", {"1E+20"}},
                    Case{"series 5", OpSeries, {"5"}, "", {"120"}},
                    Case{"series 0", OpSeries, {"0"}, "", {"1"}},
                    Case{"series -0.4", OpSeries, {"-0.4"}, "", {"1"}},
                    Case{"series -3 fails", OpSeries, {"-3"}, "", {"-3"}},
                    Case{"series 2.5", OpSeries, {"2.5"}, "", {"2"}},
                    Case{"series 3.5", OpSeries, {"3.5"}, "", {"24"}},
                    Case{"series 170", OpSeries, {"170"}, "", {"7.25741561530799E+306"}},
                    Case{"series 171", OpSeries, {"171"}, "", {"171"}},
                    Case{"series 2E+9", OpSeries, {"2000000000"}, "", {"2000000000"}},
                    Case{"series 3E+9", OpSeries, {"3000000000"}, "", {"3000000000"}}));

TEST(Template, TwoOperandsOnAnEmptyStackKeepTheEntry) {
    Calculator calc;
    calc.PushValue("1");
    calc.DropLast();  // snapshot: 1
    OpAdd(calc, "5");
    EXPECT_EQ(calc.Count(), 0u);
    EXPECT_EQ(calc.entry, "");  // the caller's entry line is not touched...
    calc.entry = "5";
    OpAdd(calc, calc.entry);
    EXPECT_EQ(calc.entry, "5");  // ...and keeps its text
    calc.Undo();
    EXPECT_EQ(calc.Count(), 0u);  // the snapshot was replaced by the empty stack
}

TEST(Template, TooFewOperandsOnlyReplaceTheSnapshot) {
    Calculator calc;
    calc.PushValue("5");
    OpAdd(calc, "");
    EXPECT_EQ(calc.Values(), Texts({"5"}));
    EXPECT_EQ(calc.UndoValues(), Texts({"5"}));
    Calculator empty;
    OpSquareRoot(empty, "");
    EXPECT_EQ(empty.Count(), 0u);
}

TEST(Template, UndoAfterAnOperationForgetsThePushedEntry) {
    Calculator calc;
    calc.PushValue("2");
    calc.entry = "3";
    OpAdd(calc, calc.entry);
    EXPECT_EQ(calc.Values(), Texts({"5"}));
    EXPECT_EQ(calc.listing().rows.back(), "1:      5");
    calc.Undo();
    EXPECT_EQ(calc.Values(), Texts({"2"}));
    EXPECT_EQ(calc.entry, "");
}

TEST(Template, AFailureKeepsAPushedEntry) {
    Calculator calc;
    calc.PushValue("7");
    calc.entry = "0";
    OpDivide(calc, calc.entry);
    EXPECT_EQ(calc.Values(), Texts({"7", "0"}));
    EXPECT_EQ(calc.entry, "");
    calc.Undo();
    EXPECT_EQ(calc.Values(), Texts({"7"}));
}

TEST(Template, AFullStackChangesNoOperandAndKeepsTheEntry) {
    for (Op op : {OpAdd, OpSquareRoot, OpSin}) {
        Calculator calc;
        for (int i = 0; i < 9999; ++i) calc.PushValue("4");
        calc.entry = "1";
        op(calc, calc.entry);
        EXPECT_TRUE(calc.TakeStackFullWarning());
        EXPECT_EQ(calc.Count(), 9999u);
        EXPECT_EQ(calc.Top(), "4");
        EXPECT_EQ(calc.entry, "1");
    }
    Calculator calc;  // with an empty entry a full stack is no obstacle
    for (int i = 0; i < 9999; ++i) calc.PushValue("4");
    OpAdd(calc, "");
    EXPECT_EQ(calc.Count(), 9998u);
    EXPECT_EQ(calc.Top(), "8");
    EXPECT_FALSE(calc.TakeStackFullWarning());
}

TEST(Random, WritesTheEntryOnly) {
    Calculator calc = testing_support::CalculatorWith({"1", "2"}, 0.123456789012345678);
    calc.DropLast();
    calc.entry = "12";
    OpRandom(calc);
    EXPECT_EQ(calc.entry, "0.123456789012346");
    EXPECT_EQ(calc.Values(), Texts({"1"}));
    EXPECT_EQ(calc.UndoValues(), Texts({"1", "2"}));
}

TEST(Random, StaysInTheUnitInterval) {
    Calculator calc;
    for (int i = 0; i < 1000; ++i) {
        OpRandom(calc);
        const double r = std::stod(calc.entry);
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
}

}  // namespace
}  // namespace orvane
