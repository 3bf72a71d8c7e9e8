#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <random>

namespace orvane {
namespace {

struct Normalisation {
    const char* given;
    const char* stored;
};

std::ostream& operator<<(std::ostream& os, const Normalisation& c) { return os << c.given; }

class NormalisationTable : public testing::TestWithParam<Normalisation> {};

TEST_P(NormalisationTable, StoresTheNormalForm) {
    const auto stored = ToStackText(GetParam().given);
    ASSERT_TRUE(stored.has_value()) << GetParam().given;
    EXPECT_EQ(*stored, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NormalisationTable,
    testing::Values(
        Normalisation{"007", "7"}, Normalisation{"1.50", "1.5"}, Normalisation{"-0", "0"},
        Normalisation{"1e3", "1000"}, Normalisation{"1E3", "1000"}, Normalisation{"1E+3", "1000"},
        Normalisation{".5", "0.5"}, Normalisation{"5.", "5"}, Normalisation{"-.5", "-0.5"},
        Normalisation{"+2", "2"}, Normalisation{"3.14159265358979", "3.14159265358979"},
        Normalisation{"12345678901234567890123", "1.23456789012346E+22"},
        Normalisation{"0.30000000000000004", "0.3"}, Normalisation{"  42  ", "42"},
        Normalisation{"1E+15", "1E+15"}, Normalisation{"1125899906842624", "1.12589990684262E+15"},
        Normalisation{"0.00001", "1E-05"}, Normalisation{"0.00000015", "1.5E-07"},
        Normalisation{"0.0001", "0.0001"}, Normalisation{"999999999999999", "999999999999999"},
        Normalisation{"9999999999999999", "1E+16"}, Normalisation{"1e-400", "0"},
        Normalisation{"-1e-400", "0"}, Normalisation{"4.9e-324", "4.94065645841247E-324"},
        Normalisation{"1E-0000000000000000000000000000007", "1E-07"},
        Normalisation{"1.7976931348623e308", "1.7976931348623E+308"}));

TEST(NumberText, RejectsWhatIsNotANumber) {
    for (const char* text : {"",      " ",    "-",      "-.",      ".",
                             "+",     "1E+",  "1e",     "E5",      "1.2.3",
                             "1,000", "0x10", "--5",    "+-5",     "5-",
                             "1E5.5", "\t5",  "5\n",    "abc",     "1 2",
                             "inf",   "nan",  "1E+400", "-1E+309", "1.79769313486232E+308"}) {
        EXPECT_FALSE(IsNumberText(text)) << '"' << text << '"';
    }
}

TEST(NumberText, TheLargestDoublesHaveNoStackText) {
    // Their 15-digit text rounds past the double range and would never convert back.
    EXPECT_FALSE(ToStackText("1.7976931348623157E+308"));
    EXPECT_FALSE(ToStackText(DBL_MAX));
    EXPECT_FALSE(ToStackText(-DBL_MAX));
    EXPECT_FALSE(ToStackText("1.7976931348623151E+308"));
    EXPECT_TRUE(ToStackText("1.797693134862314E+308"));
}

TEST(NumberText, DecimalPartsOfAText) {
    const auto d = ParseDecimal(" -001.2500E+2 ");
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->negative);
    EXPECT_EQ(d->digits, "125");
    EXPECT_EQ(d->exponent, 3);  // 0.125 × 10^3
    EXPECT_TRUE(ParseDecimal("0.000")->digits.empty());
}

std::string Oracle(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text = buffer;
    return text == "-0" ? "0" : text;
}

void CheckAgainstOracle(double value) {
    if (!std::isfinite(value)) return;
    const std::string normal = NormalForm(value);
    ASSERT_EQ(normal, Oracle(value)) << std::hexfloat << value;
    const auto again = ToStackText(normal);
    if (std::fabs(value) <= 1.7976931348623e308) {
        ASSERT_TRUE(again) << normal;
        ASSERT_EQ(*again, normal) << "normalising the normal form changed it";
    }
}

TEST(NumberText, NormalFormAgreesWithPrintfOnManyDoubles) {
    std::mt19937_64 random(20261206);
    int checked = 0;
    for (int i = 0; i < 60000; ++i, ++checked) {
        CheckAgainstOracle(std::bit_cast<double>(random()));
    }
    std::uniform_int_distribution<int> digits(1, 9), exponent(-30, 30);
    for (int i = 0; i < 30000; ++i, ++checked) {
        const long long mantissa = static_cast<long long>(random() % 1000000000ULL);
        const std::string text = std::to_string(mantissa) + "E" + std::to_string(exponent(random));
        CheckAgainstOracle(*ParseNumber(text));
    }
    for (int e = -330; e <= 310; ++e, ++checked) {
        const double p = *ParseNumber("1E" + std::to_string(e));
        CheckAgainstOracle(p);
        CheckAgainstOracle(std::nextafter(p, 0.0));
        CheckAgainstOracle(std::nextafter(p, INFINITY));
        CheckAgainstOracle(-p);
        checked += 3;
    }
    for (double v : {DBL_MIN, DBL_TRUE_MIN, DBL_MAX, -DBL_MAX, DBL_MIN / 3, 0.0, -0.0, 1.0}) {
        CheckAgainstOracle(v);
        ++checked;
    }
    for (int i = 0; i < 10000; ++i, ++checked) {  // subnormals
        CheckAgainstOracle(std::bit_cast<double>(random() % 0x000FFFFFFFFFFFFFULL));
    }
    EXPECT_GE(checked, 100000);
}

}  // namespace
}  // namespace orvane
