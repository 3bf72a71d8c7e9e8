// Hard operands whose exact results scripts/make-exact-results.py computed once with Python's
// decimal: negative bases with large whole exponents, results near a 15-digit rounding tie, huge
// angles, the inverse functions at their limits. Each key must store the exact result's digits.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "core/NumberText.h"
#include "ops/Operations.h"

namespace orvane {
namespace {

using Op = Outcome (*)(Calculator&);

TEST(ExactResults, EveryKeyStoresTheExactResultsDigits) {
    const std::map<std::string, Op> keys = {{"Power", ops::Power},
                                            {"NaturalLog", ops::NaturalLog},
                                            {"PowerOf10", ops::PowerOf10},
                                            {"Sin", ops::Sin},
                                            {"Cos", ops::Cos},
                                            {"Tan", ops::Tan},
                                            {"ArcSin", ops::ArcSin},
                                            {"ArcCos", ops::ArcCos},
                                            {"ArcTan", ops::ArcTan}};
    std::ifstream file(ORVANE_EXACT_RESULTS);
    ASSERT_TRUE(file.is_open()) << ORVANE_EXACT_RESULTS;
    int checked = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string key, mode, y, x, bar, expected;
        fields >> key >> mode >> y >> x >> bar >> expected;
        ASSERT_EQ(keys.count(key), 1u) << line;
        Calculator calc;
        calc.setAngle(mode == "D" ? AngleMode::Degrees : AngleMode::Radians);
        if (y != "_") calc.push(y);
        calc.push(x);
        keys.at(key)(calc);
        ASSERT_EQ(calc.count(), 1u) << line;
        // "a|b": the exact value is within a hair of a tie, so either neighbour is right.
        std::istringstream either(expected);
        bool matched = false;
        for (std::string text; std::getline(either, text, '|');)
            matched = matched || NormalForm(*ParseNumber(text)) == calc.at(1);
        EXPECT_TRUE(matched) << line << "\n  stored: " << calc.at(1);
        ++checked;
    }
    EXPECT_GT(checked, 500);
}

}  // namespace
}  // namespace orvane
