// The time and size texts of the result list, the details box and the reports.
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "core/display_text.h"
#include "tests/core/expect_each.h"

TEST(FormatTimestamp, WritesTwoDigitFieldsAfterAnUnpaddedYear)
{
    ExpectEach<DateTime, Text>(FormatTimestamp, {
        {MakeDateTime(2013, 7, 27, 9, 5, 3), "2013-07-27 09:05:03"},
        {MakeDateTime(2013, 12, 31, 23, 59, 59), "2013-12-31 23:59:59"},
        {MakeDateTime(2013, 7, 27, 0, 0, 0), "2013-07-27 00:00:00"},
        {MakeDateTime(2013, 7, 27, 12, 0, 0), "2013-07-27 12:00:00"},
        {MakeDateTime(1000, 1, 1, 0, 0, 0), "1000-01-01 00:00:00"},
        {MakeDateTime(999, 1, 1, 0, 0, 0), "999-01-01 00:00:00"},
        {MakeDateTime(9999, 12, 31, 0, 0, 0), "9999-12-31 00:00:00"},
        {EmptyDateTime, "100-01-01 00:00:00"},
        {-1.25, "1899-12-29 06:00:00"},
        // Rounded to the nearest second, like every component.
        {MakeDateTime(2013, 12, 31, 23, 59, 59) + 0.6 / 86400, "2014-01-01 00:00:00"},
    });
}

TEST(FormatSize, ChangesUnitOnlyAfterAFull1024OfTheSmallerOne)
{
    ExpectEach<int64_t, Text>(FormatSize, {
        {0, "0 B"},
        {-1, "-1 B"},
        {std::numeric_limits<int64_t>::min(), "-9223372036854775808 B"},
        {1, "1 B"},
        {1024, "1024 B"},
        {1025, "1 KB"},
        {1030, "1.01 KB"},
        {1536, "1.5 KB"},
        {1048575, "1024 KB"},
        {1048576, "1024 KB"},
        {1048577, "1 MB"},
        {123456789, "117.74 MB"},
        {1073741824, "1024 MB"},
        {1073741825, "1 GB"},
        {3221225472, "3 GB"},
        {5368709120, "5 GB"},
        {1099511627776, "1024 GB"},
        // Beyond 1 TiB the size is written in TB, the largest unit.
        {1099511627777, "1 TB"},
        {1649267441664, "1.5 TB"},
        {1125899906842624, "1024 TB"},
        {std::numeric_limits<int64_t>::max(), "8388608 TB"},
    });
}
