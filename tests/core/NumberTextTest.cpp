#include "core/NumberText.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

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
