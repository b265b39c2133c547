#include "core/base/vb_number.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

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
        {"1e-99999", 0}, {"0e99999", 0},      {"P# 7 of 10", 0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(leading_number(c.text), c.expected) << '"' << c.text << '"';
    }
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
