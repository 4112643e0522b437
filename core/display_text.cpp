#include "core/display_text.h"

#include <iterator>
#include <limits>

namespace {

// Month, day, hour, minute and second always take two digits.
Text TwoDigits(int value)
{
    const Text digits = IntToText(value);
    return TextLength(digits) == 2 ? digits : JoinTexts({"0", digits});
}

struct SizeUnit {
    // The largest size written in this unit: each unit goes up to a full 1024.
    double upTo;
    double divisor;
    const char* name;
};

constexpr SizeUnit kSizeUnits[] = {
    {1048576.0, 1024.0, " KB"},
    {1073741824.0, 1048576.0, " MB"},
    {1099511627776.0, 1073741824.0, " GB"},
    // Disk images and backups pass 1 TiB; every size still gets a figure.
    {std::numeric_limits<double>::infinity(), 1099511627776.0, " TB"},
};

}  // namespace

Text FormatTimestamp(DateTime d)
{
    return JoinTexts({IntToText(YearOf(d)), "-", TwoDigits(MonthOf(d)), "-", TwoDigits(DayOf(d)), " ",
                      TwoDigits(HourOf(d)), ":", TwoDigits(MinuteOf(d)), ":", TwoDigits(SecondOf(d))});
}

Text FormatSize(int64_t size)
{
    if (size <= 1024)
        return JoinTexts({Int64ToText(size), " B"});
    const double x = static_cast<double>(size);
    // The first unit that reaches the size; the tolerance keeps each bound
    // itself in the smaller unit.
    const SizeUnit* unit = std::begin(kSizeUnits);
    while (x - unit->upTo > 1e-7)
        ++unit;
    return JoinTexts({DoubleToText(RoundDecimal(x / unit->divisor, 2)), unit->name});
}
