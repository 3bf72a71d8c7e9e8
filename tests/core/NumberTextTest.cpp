#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <random>

namespace orvane {
namespace {

// printf's %.15G is an independent writer of the same 15-digit form.
void ExpectPrintfForm(double value) {
    if (!std::isfinite(value)) return;
    char printed[64];
    std::snprintf(printed, sizeof printed, "%.15G", value);
    const std::string normal = NormalForm(value);
    ASSERT_EQ(normal, std::string(printed) == "-0" ? "0" : printed) << std::hexfloat << value;
    if (std::fabs(value) <= 1.7976931348623e308) {
        ASSERT_EQ(ToStackText(normal), normal) << "normalising the normal form changed it";
    }
}

TEST(NumberText, NormalFormAgreesWithPrintf) {
    std::mt19937_64 random(20261206);
    for (int i = 0; i < 70000; ++i) {  // every seventh a subnormal
        ExpectPrintfForm(
            std::bit_cast<double>(i % 7 ? random() : random() % 0x000FFFFFFFFFFFFFULL));
    }
    for (int e = -330; e <= 310; ++e) {  // powers of ten and their neighbours
        const double p = *ParseNumber("1E" + std::to_string(e));
        for (double v : {p, std::nextafter(p, 0.0), std::nextafter(p, INFINITY), -p}) {
            ExpectPrintfForm(v);
        }
    }
    for (double v : {DBL_MIN, DBL_TRUE_MIN, DBL_MAX, -DBL_MAX, 0.0, -0.0}) ExpectPrintfForm(v);
}

// What the key sessions cannot paste: views that end before their text does, tabs and line
// breaks as blanks, and the last digit that still rounds to the largest double.
TEST(NumberText, ReadsOnlyItsViewAndWhatStaysInTheRange) {
    EXPECT_FALSE(ParseNumber(std::string_view("1E-5").substr(0, 2)));
    EXPECT_FALSE(ParseNumber(std::string_view("-5").substr(0, 0)));
    EXPECT_EQ(ParseNumber(std::string_view("56").substr(0, 1)), 5.0);
    EXPECT_EQ(ParseNumber("\t 5\r\n"), 5.0);
    EXPECT_FALSE(ParseNumber("1.7976931348623159E+308"));  // rounds to infinity
    EXPECT_TRUE(ParseNumber("1.7976931348623158E+308"));
}

}  // namespace
}  // namespace orvane
