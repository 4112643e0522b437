#include "core/datetime.h"

#include <cmath>
#include <cstdint>
#include <iterator>

namespace {

constexpr int64_t kSecondsPerDay = 86400;
// Day numbers of 0100-01-01 and 9999-12-31, and of 1970-01-01, where the
// civil-calendar arithmetic below counts from.
constexpr int64_t kFirstDay = -657434;
constexpr int64_t kLastDay = 2958465;
constexpr int64_t kDay1970 = 25569;

struct CivilDate {
    int year;
    int month;
    int day;
};

struct Components {
    CivilDate date;
    int hour;
    int minute;
    int second;
};

int64_t FloorDivide(int64_t value, int64_t divisor)
{
    const int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

// Proleptic Gregorian calendar in 400-year eras of 146097 days, the year
// taken to start on 1 March so that the leap day ends it.
int64_t DayNumber(const CivilDate& date)
{
    const int64_t year = date.month <= 2 ? date.year - 1 : date.year;
    const int64_t era = FloorDivide(year, 400);
    const int64_t yearOfEra = year - era * 400;
    const int64_t monthFromMarch = date.month > 2 ? date.month - 3 : date.month + 9;
    const int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468 + kDay1970;
}

CivilDate DateOfDayNumber(int64_t dayNumber)
{
    const int64_t days = dayNumber - kDay1970 + 719468;
    const int64_t era = FloorDivide(days, 146097);
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const int month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

// A date-time as whole seconds since 1899-12-30 00:00:00 on the time line,
// rounded to the nearest second and held within 0100-01-01 00:00:00 ..
// 9999-12-31 00:00:00. Before 1899-12-30 the integer part of a DateTime is
// negative while its fraction counts forward (-1.25 is 1899-12-29 06:00), so
// the bounds apply to the time the value stands for, not to the number.
int64_t TimelineSeconds(DateTime d)
{
    if (!(d > static_cast<double>(kFirstDay - 1)))
        return kFirstDay * kSecondsPerDay;
    if (d > static_cast<double>(kLastDay))
        return kLastDay * kSecondsPerDay;
    const double dayPart = std::trunc(d);
    const int64_t secondOfDay = std::llround(std::fabs(d - dayPart) * kSecondsPerDay);
    return static_cast<int64_t>(dayPart) * kSecondsPerDay + secondOfDay;
}

DateTime DateTimeOfSeconds(int64_t seconds)
{
    const int64_t dayNumber = FloorDivide(seconds, kSecondsPerDay);
    const double fraction = static_cast<double>(seconds - dayNumber * kSecondsPerDay) / kSecondsPerDay;
    const double day = static_cast<double>(dayNumber);
    return dayNumber < 0 ? day - fraction : day + fraction;
}

Components ComponentsOf(DateTime d)
{
    const int64_t seconds = TimelineSeconds(d);
    const int64_t dayNumber = FloorDivide(seconds, kSecondsPerDay);
    const int secondOfDay = static_cast<int>(seconds - dayNumber * kSecondsPerDay);
    return {DateOfDayNumber(dayNumber), secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60};
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// A one- or two-byte character as one number: its byte, or lead * 256 + trail.
constexpr int CodeOf(std::string_view character)
{
    const int lead = static_cast<unsigned char>(character[0]);
    return character.size() == 1 ? lead : lead * 256 + static_cast<unsigned char>(character[1]);
}

struct Character {
    int code;
    size_t size;
};

// The first character of `rest` as a date-time text reads it: the full-width
// ASCII block (0xA3 0xA1..0xFE) and the ideographic space (0xA1 0xA1) stand
// for their ASCII characters, so that digits and separators typed in full
// width read like ASCII ones.
Character FirstCharacter(std::string_view rest)
{
    const int lead = static_cast<unsigned char>(rest[0]);
    if (lead < 0x80 || rest.size() == 1)
        return {lead, 1};
    const int trail = static_cast<unsigned char>(rest[1]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
        return {trail & 0x7F, 2};
    if (lead == 0xA1 && trail == 0xA1)
        return {' ', 2};
    return {CodeOf(rest.substr(0, 2)), 2};
}

// One component of a date-time text: up to maxDigits digits, then at most one
// of the separators that may follow them (0 ends the list).
struct Field {
    int maxDigits;
    int separators[6];
};

// Year, month, day, hour, minute and second, in the order they are read.
constexpr Field kFields[] = {
    {4, {'/', '-', ':', '.', CodeOf("年")}},
    {2, {'/', '-', ':', '.', CodeOf("月")}},
    {2, {' ', '/', '-', ':', '.', CodeOf("日")}},
    {2, {'/', '-', ':', '.', CodeOf("时")}},
    {2, {'/', '-', ':', '.', CodeOf("分")}},
    {2, {}},
};

// Reads one field from the front of `rest` and takes it off; a field without
// digits is 0.
int ReadField(std::string_view& rest, const Field& field)
{
    int value = 0;
    for (int digits = 0; digits < field.maxDigits && !rest.empty(); ++digits) {
        const Character digit = FirstCharacter(rest);
        if (digit.code < '0' || digit.code > '9')
            break;
        value = value * 10 + (digit.code - '0');
        rest.remove_prefix(digit.size);
    }
    if (rest.empty())
        return value;
    const Character next = FirstCharacter(rest);
    for (const int separator : field.separators) {
        if (separator != 0 && separator == next.code) {
            rest.remove_prefix(next.size);
            break;
        }
    }
    return value;
}

// The components as read, which are never negative, each in its range.
bool IsValid(const Components& c)
{
    return c.date.year >= 100 && c.date.year <= 9999 && c.date.month >= 1 && c.date.month <= 12 && c.date.day >= 1 &&
           c.date.day <= DaysInMonth(c.date.year, c.date.month) && c.hour <= 23 && c.minute <= 59 && c.second <= 59;
}

}  // namespace

DateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second)
{
    const int64_t secondOfDay = int64_t{hour} * 3600 + int64_t{minute} * 60 + second;
    return DateTimeOfSeconds(DayNumber({year, month, day}) * kSecondsPerDay + secondOfDay);
}

DateTime DateOnly(DateTime d)
{
    return DateTimeOfSeconds(FloorDivide(TimelineSeconds(d), kSecondsPerDay) * kSecondsPerDay);
}

DateTimeParts PartsOf(DateTime d)
{
    const Components c = ComponentsOf(d);
    return {c.date.year, c.date.month, c.date.day, c.hour, c.minute, c.second};
}

int YearOf(DateTime d)
{
    return ComponentsOf(d).date.year;
}

int MonthOf(DateTime d)
{
    return ComponentsOf(d).date.month;
}

int DayOf(DateTime d)
{
    return ComponentsOf(d).date.day;
}

int HourOf(DateTime d)
{
    return ComponentsOf(d).hour;
}

int MinuteOf(DateTime d)
{
    return ComponentsOf(d).minute;
}

int SecondOf(DateTime d)
{
    return ComponentsOf(d).second;
}

double SecondsBetween(DateTime first, DateTime second)
{
    return static_cast<double>(TimelineSeconds(first) - TimelineSeconds(second));
}

Text DateTimeToText(DateTime d)
{
    const Components c = ComponentsOf(d);
    Text text = JoinTexts({IntToText(c.date.year), "年", IntToText(c.date.month), "月", IntToText(c.date.day), "日"});
    // The time is written down to its last unit that is not zero.
    if (c.hour == 0 && c.minute == 0 && c.second == 0)
        return text;
    text += JoinTexts({IntToText(c.hour), "时"});
    if (c.minute == 0 && c.second == 0)
        return text;
    text += JoinTexts({IntToText(c.minute), "分"});
    if (c.second == 0)
        return text;
    return text + JoinTexts({IntToText(c.second), "秒"});
}

DateTime ParseDateTime(const Text& text)
{
    if (text.empty())
        return EmptyDateTime;
    std::string_view rest = text;
    int values[std::size(kFields)];
    for (size_t i = 0; i < std::size(kFields); ++i)
        values[i] = ReadField(rest, kFields[i]);
    if (!rest.empty() && FirstCharacter(rest).code != CodeOf("秒"))
        return EmptyDateTime;
    const Components c = {{values[0], values[1], values[2]}, values[3], values[4], values[5]};
    if (!IsValid(c))
        return EmptyDateTime;
    return MakeDateTime(c.date.year, c.date.month, c.date.day, c.hour, c.minute, c.second);
}
