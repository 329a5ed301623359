#include "numberrules.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(ClampToRange, EndsWithinMinAndMax) {
    const struct {
        double value;
        double expected;
    } cases[] = {
        {5, 5}, {-10, -10}, {10, 10}, {-11, -10}, {11, 10}, {kInfinity, 10}, {kNaN, -10},
    };
    for (const auto& c : cases)
        EXPECT_EQ(clampToRange(c.value, -10, 10), c.expected) << "value " << c.value;
}

TEST(RoundToWhole, HalvesUpTruncatedWithinInt32) {
    const struct {
        double value;
        double expected;
    } cases[] = {
        {2.5, 3},
        {2.4, 2},
        {-2.3, -1},
        {-2.5, -2},
        {-2.6, -2},
        {-3, -2},
        {2147483646.7, 2147483647},
        {3e9, 2147483647},
        {kInfinity, 2147483647},
        {-3e9, -2147483648.0},
        {-kInfinity, -2147483648.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundToWhole(c.value), c.expected) << "value " << c.value;
}

} // namespace
