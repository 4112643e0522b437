// Numbers written as texts, and the rounding the size texts rely on.
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "core/text.h"
#include "tests/core/expect_each.h"

TEST(IntToText, WritesPlainDecimalDigits)
{
    EXPECT_EQ(IntToText(0), "0");
    EXPECT_EQ(IntToText(-1), "-1");
    EXPECT_EQ(IntToText(1234567), "1234567");
    EXPECT_EQ(IntToText(std::numeric_limits<int>::max()), "2147483647");
    EXPECT_EQ(IntToText(std::numeric_limits<int>::min()), "-2147483648");
    EXPECT_EQ(Int64ToText(5368709120), "5368709120");
    EXPECT_EQ(Int64ToText(-1), "-1");
    EXPECT_EQ(Int64ToText(std::numeric_limits<int64_t>::max()), "9223372036854775807");
    EXPECT_EQ(Int64ToText(std::numeric_limits<int64_t>::min()), "-9223372036854775808");
}

TEST(DoubleToText, WritesAtMostThirteenSignificantDigits)
{
    ExpectEach<double, Text>(DoubleToText, {
        {1.0, "1"},
        {1.5, "1.5"},
        {1.01, "1.01"},
        {1024.0, "1024"},
        {0.0, "0"},
        {-0.0, "0"},
        {-2.5, "-2.5"},
        {117.74, "117.74"},
        {1.005, "1.005"},
        {117.7368164, "117.7368164"},
        {0.1 + 0.2, "0.3"},
        {2.0 / 3.0, "0.6666666666667"},
        {1234567890123.0, "1234567890123"},
        {8388608.0, "8388608"},
        {0.0001, "0.0001"},
        // Beyond what the program writes, the exponent form has two digits
        // whatever the C runtime.
        {1e13, "1e+13"},
        {0.00001, "1e-05"},
    });
}

TEST(BoolToText, IsTrueOrFalseInChinese)
{
    EXPECT_EQ(BoolToText(true), "真");
    EXPECT_EQ(BoolToText(false), "假");
}

TEST(RoundDecimal, RoundsHalvesAwayFromZeroEvenJustBelowAHalf)
{
    struct Case {
        double x;
        int decimals;
        double rounded;
    };
    const Case cases[] = {
        {1.0009765625, 2, 1.0},
        // 1.005 * 100 is 100.4999999... in double precision.
        {1.005, 2, 1.01},
        {-1.005, 2, -1.01},
        {2.675, 2, 2.68},
        {1.004, 2, 1.0},
        {117.73756885528564, 2, 117.74},
        {1023.9990234375, 2, 1024.0},
        {-2.5, 0, -3.0},
        {2.5, 0, 3.0},
        {2.4999, 0, 2.0},
        {0.0, 2, 0.0},
        {1234.5, -1, 1230.0},
        {1235.0, -1, 1240.0},
        {-1235.0, -1, -1240.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << " to " << c.decimals << " decimals");
        EXPECT_EQ(RoundDecimal(c.x, c.decimals), c.rounded);
    }
}

TEST(RoundDecimal, GivesTheSizeFiguresTheirTexts)
{
    EXPECT_EQ(DoubleToText(RoundDecimal(1.0009765625, 2)), "1");
    EXPECT_EQ(DoubleToText(RoundDecimal(1030.0 / 1024.0, 2)), "1.01");
    EXPECT_EQ(DoubleToText(RoundDecimal(123456789.0 / 1048576.0, 2)), "117.74");
    // A tiny negative value rounds to a zero without a sign.
    EXPECT_EQ(DoubleToText(RoundDecimal(-0.001, 2)), "0");
}
