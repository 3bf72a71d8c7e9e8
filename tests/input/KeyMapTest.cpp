#include "input/KeyMap.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(KeyMap, EveryMappedCode) {
    const std::vector<std::pair<int, int>> mapped = {
        {8, 13},   {13, 14},  {37, 23},  {38, 15},  {39, 22}, {40, 21}, {46, 11},
        {73, 32},  {78, 25},  {80, 24},  {82, 20},  {83, 15}, {88, 21}, {106, 18},
        {107, 16}, {109, 17}, {110, 10}, {111, 19}, {190, 10}};
    for (auto [code, index] : mapped) EXPECT_EQ(KeypadIndexForKey(code), index) << code;
    for (int d = 0; d <= 9; ++d) {
        EXPECT_EQ(KeypadIndexForKey(48 + d), d);
        EXPECT_EQ(KeypadIndexForKey(96 + d), d);
    }
    int count = 0;
    for (int code = -1; code < 512; ++code) count += KeypadIndexForKey(code).has_value();
    EXPECT_EQ(count, 39);  // nothing else is mapped
}

TEST(KeyMap, UnmappedCodesDoNothing) {
    for (int code : {187, 189, 108, 27, 9, 112, 65, 188, 191, 36, 35, 33, 34, 45, 12, 16, 17}) {
        EXPECT_FALSE(KeypadIndexForKey(code)) << code;
        Calculator calc;
        calc.setEntry("1");
        KeyDown(calc, code);
        EXPECT_EQ(calc.entry(), "1");
    }
}

TEST(KeyMap, KeysActLikeTheirKeypadKeys) {
    Calculator calc;
    for (int code : {49, 190, 53, 13, 50, 107}) KeyDown(calc, code);  // 1.5 Enter 2 +
    EXPECT_EQ(calc.top(), "3.5");
}

}  // namespace
}  // namespace orvane
