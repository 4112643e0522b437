#include "search/time_range.h"

#include <algorithm>

#include "core/system.h"
#include "ui/dialogs.h"
#include "ui/fonts.h"

namespace {

constexpr char kStartTimeDefault[] = "00:00:00";
constexpr char kEndTimeDefault[] = "23:59:59";
constexpr int kRangeLabelHeight = 16;

bool IsDigitBetween(const Text& oneByte, char low, char high)
{
    const int code = CharCode(oneByte);
    return code >= low && code <= high;
}

bool PieceHasValidDigits(const Text& piece, char firstHigh, char secondHigh)
{
    return IsDigitBetween(TextLeft(piece, 1), '0', firstHigh) && IsDigitBetween(TextRight(piece, 1), '0', secondHigh);
}

bool DigitsInRange(const TextList& pieces)
{
    const char hourSecondHigh = TextLeft(pieces[0], 1) == "2" ? '3' : '9';
    return PieceHasValidDigits(pieces[0], '2', hourSecondHigh) && PieceHasValidDigits(pieces[1], '5', '9') &&
           PieceHasValidDigits(pieces[2], '5', '9');
}

}  // namespace

void ApplyTimeFilterEnable()
{
    const bool on = IsTicked(选择框_修改时间);
    for (ControlName input : {日期框_左, 日期框_右, 编辑框_时间左, 编辑框_时间右})
        EnableControl(input, on);
    const HFONT font = StoredFont(kRangeLabelHeight, on ? FW_BOLD : FW_NORMAL);
    SendMessageA(Control(标签_到), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void ResetRangeInputs(int mode)
{
    if (mode == 0 || mode == 1)
        SetDatePickerValue(日期框_左, DateOnly(CurrentDateTime()));
    if (mode == 0 || mode == 2)
        SetDatePickerValue(日期框_右, DateOnly(CurrentDateTime()));
    if (mode == 0 || mode == 3)
        SetControlText(编辑框_时间左, kStartTimeDefault);
    if (mode == 0 || mode == 4)
        SetControlText(编辑框_时间右, kEndTimeDefault);
}

int ValidateTimeText(const Text& text, const Text& separator)
{
    if (TextLength(text) != 8)
        return kTimeWrongLength;
    const TextList pieces = SplitText(text, separator);
    if (pieces.size() < 3)
        return kTimeWrongShape;
    for (size_t i = 0; i < 3; ++i)
        if (TextLength(pieces[i]) != 2)
            return kTimeWrongShape;
    if (TextMid(text, 3, 1) != separator || TextMid(text, 6, 1) != separator)
        return kTimeWrongShape;
    return DigitsInRange(pieces) ? kTimeValid : kTimeOutOfRange;
}

DateTime ComposeBound(DateTime dateValue, const Text& timeText, const Text& separator)
{
    TextList pieces = SplitText(timeText, separator);
    // A text of fewer than three pieces composes with empty pieces; it never stops the program.
    pieces.resize(std::max<size_t>(pieces.size(), 3));
    return ParseDateTime(JoinTexts(
        {DateTimeToText(DateOnly(dateValue)), pieces[0], "时", pieces[1], "分", pieces[2], "秒"}));
}

void CheckTimeBoxOnFocusLoss(ControlName box)
{
    // A window that is closing loses its focus too; nothing is checked then.
    if (!IsWindowVisible(Control(box)))
        return;
    const int code = ValidateTimeText(ControlText(box), ":");
    if (code == kTimeValid)
        return;
    if (code == kTimeOutOfRange)
        ShowMessageBox("请输入正确的时间范围！参考范围：\r\n00:00:00到23:59:59", kStyleError, "错误");
    else
        ShowMessageBox("请输入正确的时间格式！时间格式：\r\nhh:mm:ss", kStyleError, "错误");
    ResetRangeInputs(box == 编辑框_时间左 ? 3 : 4);
    FocusControl(GetParent(Control(box)), Control(box));
}
