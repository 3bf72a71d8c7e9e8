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

TEST(NumberText, EdgesOfTheRangeAndOfTheText) {
    // The largest doubles' 15-digit text rounds past the range and would never convert back.
    EXPECT_FALSE(ToStackText(DBL_MAX));
    EXPECT_FALSE(ToStackText("1.7976931348623151E+308"));
    EXPECT_TRUE(ToStackText("1.797693134862314E+308"));
    EXPECT_FALSE(ParseNumber("1.7976931348623159E+308"));  // rounds to infinity
    EXPECT_TRUE(ParseNumber("1.7976931348623158E+308"));   // rounds to the largest double
    EXPECT_FALSE(ParseNumber(std::string_view("1E-5").substr(0, 2)));
    EXPECT_FALSE(ParseNumber(std::string_view("-5").substr(0, 0)));
    EXPECT_EQ(ParseNumber(std::string_view("56").substr(0, 1)), 5.0);
    EXPECT_EQ(ParseNumber("  -001.2500E+2  "), -125.0);
    EXPECT_EQ(ParseDecimal("  -001.2500E+2  ")->digits, "125");
    EXPECT_EQ(ParseNumber("\t 5\r\n"), 5.0);  // blanks: spaces, tabs and line breaks
    for (const char* text : {".5.5", " \t\n", "5 5"}) EXPECT_FALSE(ParseNumber(text)) << text;
}

}  // namespace
}  // namespace orvane
