#include "core/display_text.h"

#include <iterator>
#include <limits>

namespace {

// Month, day, hour, minute and second always take two digits: a "0" goes in
// front of a one-digit value.
void AppendTwoDigits(Text& text, char separator, int value)
{
    const char digits[] = {separator, static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
    text.append(digits, sizeof(digits));
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

// Written once for every found file, so built in one pass over one reading
// of the components.
Text FormatTimestamp(DateTime d)
{
    const DateTimeParts parts = PartsOf(d);
    Text text = IntToText(parts.year);
    text.reserve(text.size() + 15);
    AppendTwoDigits(text, '-', parts.month);
    AppendTwoDigits(text, '-', parts.day);
    AppendTwoDigits(text, ' ', parts.hour);
    AppendTwoDigits(text, ':', parts.minute);
    AppendTwoDigits(text, ':', parts.second);
    return text;
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
