// Date-times as automation DATE values: calendar components, texts, parsing
// and differences over the whole range from 0100-01-01 to 9999-12-31.
#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "core/datetime.h"
#include "tests/core/expect_each.h"

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

using Moment = DateTimeParts;

Moment ComponentsOf(DateTime d)
{
    return {YearOf(d), MonthOf(d), DayOf(d), HourOf(d), MinuteOf(d), SecondOf(d)};
}

bool Equal(const Moment& a, const Moment& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute &&
           a.second == b.second;
}

DateTime Make(const Moment& m)
{
    return MakeDateTime(m.year, m.month, m.day, m.hour, m.minute, m.second);
}

::testing::AssertionResult SameMoment(DateTime d, const Moment& m)
{
    const Moment actual = ComponentsOf(d);
    // All components at once must agree with each read on its own.
    if (Equal(actual, m) && Equal(PartsOf(d), m))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << actual.year << "-" << actual.month << "-" << actual.day << " "
                                         << actual.hour << ":" << actual.minute << ":" << actual.second;
}

// The test's own calendar rule, kept apart from the one under test.
int DaysInMonth(int year, int month)
{
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

TEST(MakeDateTime, FollowsTheAutomationDateConvention)
{
    struct Case {
        Moment moment;
        DateTime value;
    };
    const Case cases[] = {
        {{1899, 12, 30, 0, 0, 0}, 0.0},
        {{1899, 12, 30, 6, 0, 0}, 0.25},
        {{1899, 12, 31, 0, 0, 0}, 1.0},
        {{1900, 1, 1, 0, 0, 0}, 2.0},
        // Before day 0 the fraction still counts forward from midnight.
        {{1899, 12, 29, 6, 0, 0}, -1.25},
        {{1899, 12, 29, 18, 0, 0}, -1.75},
        {{100, 1, 1, 0, 0, 0}, EmptyDateTime},
        {{100, 1, 1, 12, 0, 0}, -657434.5},
        {{9999, 12, 31, 0, 0, 0}, 2958465.0},
        {{2013, 7, 27, 0, 0, 0}, 41482.0},
        {{2000, 2, 29, 12, 0, 0}, 36585.5},
        {{1600, 2, 29, 18, 0, 0}, -109512.75},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "value " << c.value);
        EXPECT_EQ(Make(c.moment), c.value);
        EXPECT_TRUE(SameMoment(c.value, c.moment));
    }
}

TEST(DateTimeComponents, RoundToTheNearestSecondAndStayInsideTheRange)
{
    const DateTime lastSecond = MakeDateTime(2013, 7, 27, 23, 59, 59);
    struct Case {
        const char* name;
        DateTime value;
        Moment moment;
    };
    const Case cases[] = {
        {"0.4 s after 23:59:59", lastSecond + 0.4 / 86400, {2013, 7, 27, 23, 59, 59}},
        {"0.6 s after 23:59:59", lastSecond + 0.6 / 86400, {2013, 7, 28, 0, 0, 0}},
        {"a hair before day 0", -1.9999999, {1899, 12, 30, 0, 0, 0}},
        {"-0.5, day 0 at noon", -0.5, {1899, 12, 30, 12, 0, 0}},
        {"noon of the first day", -657434.5, {100, 1, 1, 12, 0, 0}},
        {"last second of the first day", MakeDateTime(100, 1, 1, 23, 59, 59), {100, 1, 1, 23, 59, 59}},
        {"the day before the first", -657435.5, {100, 1, 1, 0, 0, 0}},
        {"far before", -1e9, {100, 1, 1, 0, 0, 0}},
        {"minus infinity", -kInfinity, {100, 1, 1, 0, 0, 0}},
        {"noon of the last day", 2958465.5, {9999, 12, 31, 0, 0, 0}},
        {"far after", 1e9, {9999, 12, 31, 0, 0, 0}},
        {"infinity", kInfinity, {9999, 12, 31, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(SameMoment(c.value, c.moment));
    }
}

TEST(DateOnly, GivesMidnightOfTheSameDay)
{
    EXPECT_EQ(DateOnly(MakeDateTime(2013, 7, 27, 12, 30, 45)), 41482.0);
    EXPECT_EQ(DateOnly(-1.25), -1.0);
    EXPECT_EQ(DateOnly(-1.75), -1.0);
    EXPECT_EQ(DateOnly(-0.5), 0.0);
    EXPECT_EQ(DateOnly(EmptyDateTime), EmptyDateTime);
    EXPECT_EQ(DateOnly(-657434.5), EmptyDateTime);
    EXPECT_EQ(DateOnly(MakeDateTime(2013, 7, 27, 23, 59, 59) + 0.6 / 86400), 41483.0);
}

TEST(DateTimeToText, WritesTheTimeDownToItsLastUnitThatIsNotZero)
{
    ExpectEach<DateTime, Text>(DateTimeToText, {
        {MakeDateTime(2013, 7, 27, 0, 0, 0), "2013年7月27日"},
        {MakeDateTime(2013, 7, 27, 12, 30, 45), "2013年7月27日12时30分45秒"},
        {MakeDateTime(2013, 7, 27, 9, 5, 0), "2013年7月27日9时5分"},
        {MakeDateTime(2013, 7, 27, 12, 0, 0), "2013年7月27日12时"},
        {MakeDateTime(2013, 7, 27, 0, 0, 7), "2013年7月27日0时0分7秒"},
        {MakeDateTime(2013, 7, 27, 0, 5, 0), "2013年7月27日0时5分"},
        {MakeDateTime(2013, 12, 31, 23, 59, 59), "2013年12月31日23时59分59秒"},
        {EmptyDateTime, "100年1月1日"},
        {-1.25, "1899年12月29日6时"},
        {MakeDateTime(9999, 12, 31, 0, 0, 0), "9999年12月31日"},
    });
}

TEST(ParseDateTime, ReadsEveryFormTheProgramAccepts)
{
    struct Case {
        Text text;
        Moment moment;
    };
    const Case cases[] = {
        {"2013年7月27日12时30分45秒", {2013, 7, 27, 12, 30, 45}},
        {"2013年7月27日", {2013, 7, 27, 0, 0, 0}},
        {"2013年7月27日12时", {2013, 7, 27, 12, 0, 0}},
        {"2013年7月27日9时5分", {2013, 7, 27, 9, 5, 0}},
        {"2013年7月27日0时0分7秒", {2013, 7, 27, 0, 0, 7}},
        {"2013年7月27日12时30分45", {2013, 7, 27, 12, 30, 45}},
        {"2013年7月27日12时30分45秒以后", {2013, 7, 27, 12, 30, 45}},
        {"2013-7-27 12:30:45", {2013, 7, 27, 12, 30, 45}},
        {"2013/07/27", {2013, 7, 27, 0, 0, 0}},
        {"2013.7.27.1.2.3", {2013, 7, 27, 1, 2, 3}},
        {"2013:7:27:1:2", {2013, 7, 27, 1, 2, 0}},
        {"2013-7-27 ", {2013, 7, 27, 0, 0, 0}},
        {"2013-7-27-", {2013, 7, 27, 0, 0, 0}},
        // Separators may be left out where the digit counts divide the numbers.
        {"20130727", {2013, 7, 27, 0, 0, 0}},
        {"20130727123045", {2013, 7, 27, 12, 30, 45}},
        {"100年1月1日", {100, 1, 1, 0, 0, 0}},
        {"9999年12月31日23时59分59秒", {9999, 12, 31, 23, 59, 59}},
        {"2000年2月29日", {2000, 2, 29, 0, 0, 0}},
        {"1600年2月29日", {1600, 2, 29, 0, 0, 0}},
        {"2012年2月29日", {2012, 2, 29, 0, 0, 0}},
        // Full-width digits and separators, and the ideographic space.
        {"２０１３－７－２７　１２：３０：４５", {2013, 7, 27, 12, 30, 45}},
        {"２０１３年７月２７日１２时３０分４５秒", {2013, 7, 27, 12, 30, 45}},
        {"２０１３／０７／２７", {2013, 7, 27, 0, 0, 0}},
        {"２０１３．７．２７", {2013, 7, 27, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseDateTime(c.text), Make(c.moment));
    }
}

TEST(ParseDateTime, GivesTheEmptyDateTimeForTextThatDoesNotParse)
{
    const Text rejected[] = {
        "",
        "13-7-27",
        "99年12月31日",
        "2013",
        "2013年2月29日",
        "1900年2月29日",
        "2013年4月31日",
        "2013年13月1日",
        "2013年0月1日",
        "2013年7月0日",
        "2013年7月27日24时0分0秒",
        "2013年7月27日23时60分",
        "2013年7月27日23时59分60秒",
        "2013年7月27日ab时",
        "2013-7-27 12:30:45x",
        "2013-7-27  12:00",
        " 2013-7-27",
        "20131-7-27",
        "10000年1月1日",
        "２０１３",
        // Only 0xA3 0xA1..0xFE is the full-width ASCII block.
        "2013-7-27\xA3\xA0",
        "2013-7-27\xA3",
    };
    for (const Text& text : rejected) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ParseDateTime(text), EmptyDateTime);
    }
}

namespace {

// The time as the time boxes join it to a date text, for each second of a day.
std::vector<Text> TimeTexts()
{
    std::vector<Text> texts;
    for (int second = 0; second < 86400; ++second) {
        texts.push_back(JoinTexts({IntToText(second / 3600), "时", IntToText(second / 60 % 60), "分",
                                   IntToText(second % 60), "秒"}));
    }
    return texts;
}

// Checks the days in order, each at a given second of its day.
struct DayWalk {
    const std::vector<Text> timeTexts = TimeTexts();
    // The first day is measured from its own midnight: 24:00 of the day before.
    DateTime before = EmptyDateTime;
    int secondOfDayBefore = 86400;
    Text text;

    // What is wrong with the day, or nothing: its value, its time of day, its
    // date text, that text read back with the time joined to it, and its
    // distance from the day before.
    const char* Check(int dayNumber, const Moment& moment, int secondOfDay)
    {
        const DateTime d = Make(moment);
        const double seconds = SecondsBetween(d, before);
        const int expected = 86400 + secondOfDay - secondOfDayBefore;
        before = d;
        secondOfDayBefore = secondOfDay;
        if (seconds != expected)
            return "seconds after the day before";
        if (std::trunc(d) != dayNumber || DateOnly(d) != dayNumber)
            return "value";
        if (HourOf(d) != moment.hour || MinuteOf(d) != moment.minute || SecondOf(d) != moment.second)
            return "time of day";
        text = DateTimeToText(DateOnly(d));
        if (TextRight(text, 2) != "日")
            return "date text";
        text += timeTexts[secondOfDay];
        if (ParseDateTime(text) != d)
            return "text read back";
        return nullptr;
    }
};

}  // namespace

// Every day of the range, at a time of day that moves by a stride prime to
// 86400 so that every hour, minute and second comes up.
TEST(DateTimeRange, EveryDayReadsBackThroughItsTextAndCountsItsSeconds)
{
    DayWalk walk;
    int dayNumber = -657434;
    int secondOfDay = 0;
    int failures = 0;
    for (int year = 100; year <= 9999; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInMonth(year, month); ++day, ++dayNumber) {
                // The last day is held at midnight: later times on it clamp there.
                secondOfDay = dayNumber == 2958465 ? 0 : (secondOfDay + 7919) % 86400;
                const Moment moment = {year, month, day, secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60};
                if (const char* fault = walk.Check(dayNumber, moment, secondOfDay)) {
                    ADD_FAILURE() << year << "-" << month << "-" << day << ": " << fault;
                    if (++failures == 10)
                        return;
                }
            }
        }
    }
    EXPECT_EQ(dayNumber, 2958466);
}

TEST(SecondsBetween, IsExactAndAntisymmetricOverTheWholeRange)
{
    struct Case {
        const char* name;
        DateTime first;
        DateTime second;
        double seconds;
    };
    const Case cases[] = {
        {"70 years", MakeDateTime(1970, 1, 1, 0, 0, 0), MakeDateTime(1900, 1, 1, 0, 0, 0), 2208988800.0},
        {"one second over midnight", MakeDateTime(2013, 7, 27, 0, 0, 0), MakeDateTime(2013, 7, 26, 23, 59, 59), 1.0},
        {"one second over day 0", 0.0, MakeDateTime(1899, 12, 29, 23, 59, 59), 1.0},
        {"morning and evening of day -1", -1.25, -1.75, -43200.0},
        {"day -1 06:00 to day 0", -1.25, 0.0, -64800.0},
        {"first second of the range", MakeDateTime(100, 1, 1, 0, 0, 1), EmptyDateTime, 1.0},
        {"last second before the end", MakeDateTime(9999, 12, 31, 0, 0, 0), MakeDateTime(9999, 12, 30, 23, 59, 59),
         1.0},
        {"the whole range", MakeDateTime(9999, 12, 31, 0, 0, 0), EmptyDateTime, 312413673600.0},
        {"beyond both ends", 1e9, -1e9, 312413673600.0},
        {"equal", 41482.5, 41482.5, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SecondsBetween(c.first, c.second), c.seconds);
        EXPECT_EQ(SecondsBetween(c.second, c.first), -c.seconds);
    }
}
