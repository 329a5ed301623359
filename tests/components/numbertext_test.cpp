#include "numbertext.h"
#include "printers.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(FormatNumber, ShortestFormWithFifteenDigits) {
    const struct {
        double value;
        QString expected;
    } cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {500, "500"},
        {2.5, "2.5"},
        {-1000, "-1000"},
        {1234567, "1234567"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {123456789012345, "123456789012345"},
        {999999999999999.9, "1E15"},
        {1e15, "1E15"},
        {1e20, "1E20"},
        {1e100, "1E100"},
        {0.00001, "0.00001"},
        {0.0000123, "0.0000123"},
        {0.000001, "1E-6"},
        {9.99e-6, "9.99E-6"},
        {-1.5e-7, "-1.5E-7"},
        {1.5e-300, "1.5E-300"},
        {kInfinity, "INF"},
        {-kInfinity, "-INF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatNumber(c.value), c.expected) << "value " << c.value;
}

TEST(ParseNumber, LeadingCDecimalNumber) {
    const QString manyZeros(400, u'0');
    const struct {
        QString text;
        double expected;
    } cases[] = {
        {"0100", 100},
        {"1,5", 1},
        {"12abc", 12},
        {"1 000", 1},
        {"  42", 42},
        {"\t\n-3.5", -3.5},
        {"+7", 7},
        {"-.5", -0.5},
        {"5.", 5},
        {"1.5e3", 1500},
        {"1.5E-3", 0.0015},
        {"1e", 1},
        {"1e+", 1},
        {"1²", 1},
        {"", 0},
        {".", 0},
        {"-", 0},
        {"abc", 0},
        {"inf", 0},
        {"nan", 0},
        {"0x1A", 0},
        {"\u00A05", 0},
        {"１２", 0},
        {"0." + manyZeros + "1e500", 1e99},
        {"1e400", kInfinity},
        {"-1e400", -kInfinity},
        {"1" + manyZeros, kInfinity},
        {"1e99999999999999999999", kInfinity},
        {"1e-400", 0},
        {"0." + manyZeros + "1", 0},
        {"1e-99999999999999999999", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseNumber(c.text), c.expected) << "text " << c.text.toStdString();
}

} // namespace
