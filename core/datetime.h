// Local wall-clock date-times held as days since 1899-12-30 plus the fraction
// of the day (the automation DATE convention). Every value the program makes
// is a whole number of seconds.
#pragma once

#include "core/text.h"

using DateTime = double;

// 0100-01-01 00:00:00: what a failed parse or file-time lookup gives.
constexpr DateTime EmptyDateTime = -657434.0;

DateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second);

// All components at once, as YearOf to SecondOf give them one by one.
struct DateTimeParts {
    int year, month, day, hour, minute, second;
};
DateTimeParts PartsOf(DateTime d);
DateTime DateOnly(DateTime d);
int YearOf(DateTime d);
int MonthOf(DateTime d);
int DayOf(DateTime d);
int HourOf(DateTime d);
int MinuteOf(DateTime d);
int SecondOf(DateTime d);
double SecondsBetween(DateTime first, DateTime second);
Text DateTimeToText(DateTime d);
DateTime ParseDateTime(const Text& text);
