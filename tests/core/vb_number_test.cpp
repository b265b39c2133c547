#include "core/base/vb_number.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

namespace kalder::testing {
namespace {

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"7", 7},        {"  12 apples", 12}, {"\t-3.5", -3.5},  {"+8", 8},
        {"0.25x", 0.25}, {".5", 0.5},         {"", 0},           {"seven", 0},
        {"- 4", 0},      {"3e1", 30},         {"2.5E-1", 0.25},  {"6e+0", 6},
        {"4e", 4},       {"4e-", 4},          {"5 e1", 5},       {"1e99999", HUGE_VAL},
        {"1e-99999", 0}, {"0e99999", 0},      {"P# 7 of 10", 0}, {"5.", 5},
        {"-.", 0},       {".725E2", 72.5},    {"0.001e3", 1},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(leading_number(c.text), c.expected) << '"' << c.text << '"';
    }
}

// Mantissas longer than any double: the exponent brings them back, and what lies beyond the
// range reads as infinity or 0, never NaN.
TEST(LeadingNumber, ReadsLongMantissasExactly) {
    const std::string ones = "1" + std::string(309, '0');
    EXPECT_EQ(leading_number(ones + "e-999"), 0);
    EXPECT_EQ(leading_number(ones + "e-300"), 1e9);
    EXPECT_EQ(leading_number(ones + std::string(100, '0') + "e-10"), HUGE_VAL);
    EXPECT_EQ(leading_number("0." + std::string(400, '0') + "3e403"), 300);
    EXPECT_EQ(leading_number("-0." + std::string(400, '0') + "1e-9"), 0);
    EXPECT_EQ(round_half_even(leading_number(".725E2")), 72);
    EXPECT_EQ(round_half_even(leading_number("0.0000000000000000000000000725e27")), 72);
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbourAndStaysInRange) {
    const struct {
        double value;
        int expected;
    } cases[] = {
        {2.5, 2},        {3.5, 4},         {-2.5, -2},    {2.4999, 2},       {9.5, 10},
        {1e12, INT_MAX}, {-1e12, INT_MIN}, {HUGE_VAL, 0}, {std::nan(""), 0},
    };
    for (const auto& c : cases) EXPECT_EQ(round_half_even(c.value), c.expected) << c.value;
}

}  // namespace
}  // namespace kalder::testing
