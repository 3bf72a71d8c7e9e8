#include "core/Listing.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

struct Shown {
    const char* stored;
    const char* shown;
};

std::ostream& operator<<(std::ostream& os, const Shown& c) { return os << c.stored; }

class ShownValueTable : public testing::TestWithParam<Shown> {};

TEST_P(ShownValueTable, FormatsTheStoredDigits) {
    EXPECT_EQ(ShownValue(GetParam().stored), GetParam().shown) << GetParam().stored;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ShownValueTable,
    testing::Values(Shown{"5", "5"}, Shown{"0", "0"}, Shown{"0.5", "0.5"}, Shown{"-0.5", "-.5"},
                    Shown{"-1234", "-1,234"}, Shown{"1234567.25", "1,234,567.25"},
                    Shown{"123456789012.345", "123,456,789,012.345"},
                    Shown{"0.666666666666667", "0.66666666666667"}, Shown{"1.5E-07", "0.00000015"},
                    Shown{"1.23456789012346E-05", "0.0000123456789"}, Shown{"1E-20", "0"},
                    Shown{"999999999999999", "999,999,999,999,999"}, Shown{"1E+15", "1E+15"},
                    Shown{"1.23456789012346E+19", "1.23456789012346E+19"},
                    Shown{"-99999999999999", "-99,999,999,999,999"},
                    Shown{"-123456789012345", "-123456789012345"}, Shown{"-1.5E+20", "-1.5E+20"},
                    Shown{"-1.5E-07", "-.00000015"},
                    // Halfway at the 15th decimal rounds away from zero; a carry reaches the
                    // whole part; a value that rounds to zero shows no sign.
                    Shown{"0.000000000000005", "0.00000000000001"},
                    Shown{"-0.000000000000005", "-.00000000000001"},
                    Shown{"0.999999999999999", "1"}, Shown{"99.9999999999999", "99.9999999999999"},
                    Shown{"-0", "0"}, Shown{"-1E-20", "0"}, Shown{"-4E-15", "0"},
                    Shown{"1000", "1,000"}, Shown{"100", "100"}, Shown{"-0.00001", "-.00001"}));

}  // namespace
}  // namespace orvane
