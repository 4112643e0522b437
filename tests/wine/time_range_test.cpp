// The modification-time range inputs in the real window.
#include "core/datetime.h"
#include "core/system.h"
#include "search/time_range.h"
#include "tests/support/wine_test.h"
#include "ui/controls.h"

namespace {

constexpr char kFormatMessage[] = "请输入正确的时间格式！时间格式：\r\nhh:mm:ss";
constexpr char kRangeMessage[] = "请输入正确的时间范围！参考范围：\r\n00:00:00到23:59:59";

struct TimeTextCase {
    const char* text;
    int code;
};

const TimeTextCase kTimeTexts[] = {
    {"00:00:00", 0}, {"23:59:59", 0}, {"09:30:00", 0}, {"19:05:59", 0},
    {"24:00:00", 3}, {"23:60:00", 3}, {"12:30:5a", 3}, {"ab:cd:ef", 3}, {"30:00:00", 3}, {"12:３0:0", 2},
    {"", 1},         {"9:30:00", 1},  {"12:30", 1},    {"12:30:000", 1},
    {"12345678", 2}, {"1:2:3:45", 2}, {"12-30-45", 2}, {"12::3:45", 2},
};

LONG LabelWeight()
{
    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(Control(标签_到), WM_GETFONT, 0, 0)), sizeof(font), &font);
    return font.lfWeight;
}

void ClickButton(ControlName name)
{
    SendMessageA(Control(name), BM_CLICK, 0, 0);
}

// Types a text into a time box and moves the focus away from it.
void LeaveTimeBoxWith(ControlName box, const Text& text)
{
    EnableControl(box, true);
    SetFocus(Control(box));
    SetControlText(box, text);
    SetFocus(Control(编辑框_文件类型));
}

}  // namespace

TEST(ValidateTimeText, GivesTheCodeOfTheFirstRuleThatFails)
{
    for (const TimeTextCase& c : kTimeTexts) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ValidateTimeText(c.text, ":"), c.code);
    }
}

TEST(ComposeBound, TakesTheDayOfTheDateAndTheTimeOfTheText)
{
    const DateTime dayWithTime = MakeDateTime(2013, 7, 27, 15, 42, 7);
    EXPECT_EQ(ComposeBound(dayWithTime, "00:00:00", ":"), MakeDateTime(2013, 7, 27, 0, 0, 0));
    EXPECT_EQ(ComposeBound(dayWithTime, "23:59:59", ":"), MakeDateTime(2013, 7, 27, 23, 59, 59));
    EXPECT_EQ(ComposeBound(dayWithTime, "12:30:45", ":"), MakeDateTime(2013, 7, 27, 12, 30, 45));
    EXPECT_EQ(ComposeBound(dayWithTime, "24:00:00", ":"), EmptyDateTime);
}

TEST(ComposeBound, FewerThanThreePiecesGiveABoundWithoutStopping)
{
    const DateTime day = MakeDateTime(2013, 7, 27, 0, 0, 0);
    for (const char* text : {"", "12", "12:30", "::", "ab"}) {
        SCOPED_TRACE(text);
        const DateTime bound = ComposeBound(day, text, ":");
        EXPECT_TRUE(bound == EmptyDateTime || DateOnly(bound) == day);
    }
}

TEST_F(MainWindowTest, TimeFilterSwitchTurnsTheFourInputsOnAndOff)
{
    SetDatePickerValue(日期框_左, MakeDateTime(2013, 7, 27, 0, 0, 0));
    SetControlText(编辑框_时间右, "12:00:00");
    ClickButton(选择框_修改时间);
    for (ControlName input : {日期框_左, 日期框_右, 编辑框_时间左, 编辑框_时间右})
        EXPECT_TRUE(IsWindowEnabled(Control(input)));
    EXPECT_EQ(LabelWeight(), FW_BOLD);

    ClickButton(选择框_修改时间);
    for (ControlName input : {日期框_左, 日期框_右, 编辑框_时间左, 编辑框_时间右})
        EXPECT_FALSE(IsWindowEnabled(Control(input)));
    EXPECT_EQ(LabelWeight(), FW_NORMAL);
    EXPECT_EQ(DateOnly(DatePickerValue(日期框_左)), MakeDateTime(2013, 7, 27, 0, 0, 0));
    EXPECT_EQ(ControlText(编辑框_时间右), "12:00:00");
}

TEST_F(MainWindowTest, ResetRangeInputsPutsBackOnlyWhatItsModeNames)
{
    const DateTime past = MakeDateTime(2001, 2, 3, 0, 0, 0);
    const DateTime today = DateOnly(CurrentDateTime());
    struct ModeCase {
        int mode;
        bool left, right, startTime, endTime;
    };
    const ModeCase modes[] = {{0, true, true, true, true},
                              {1, true, false, false, false},
                              {2, false, true, false, false},
                              {3, false, false, true, false},
                              {4, false, false, false, true}};
    for (const ModeCase& m : modes) {
        SCOPED_TRACE(m.mode);
        SetDatePickerValue(日期框_左, past);
        SetDatePickerValue(日期框_右, past);
        SetControlText(编辑框_时间左, "01:01:01");
        SetControlText(编辑框_时间右, "02:02:02");
        ResetRangeInputs(m.mode);
        EXPECT_EQ(DateOnly(DatePickerValue(日期框_左)), m.left ? today : past);
        EXPECT_EQ(DateOnly(DatePickerValue(日期框_右)), m.right ? today : past);
        EXPECT_EQ(ControlText(编辑框_时间左), m.startTime ? "00:00:00" : "01:01:01");
        EXPECT_EQ(ControlText(编辑框_时间右), m.endTime ? "23:59:59" : "02:02:02");
    }
}

TEST_F(MainWindowTest, LeavingATimeBoxWithABadTextWarnsResetsAndRefocuses)
{
    struct FocusCase {
        ControlName box;
        const char* text;
        const char* message;
        const char* reset;
    };
    const FocusCase cases[] = {
        {编辑框_时间左, "24:00:00", kRangeMessage, "00:00:00"},
        {编辑框_时间左, "9:30:00", kFormatMessage, "00:00:00"},
        {编辑框_时间右, "12-30-45", kFormatMessage, "23:59:59"},
        {编辑框_时间右, "ab:cd:ef", kRangeMessage, "23:59:59"},
    };
    for (const FocusCase& c : cases) {
        SCOPED_TRACE(c.text);
        DialogAnswers answers;
        LeaveTimeBoxWith(c.box, c.text);
        DrainMessages();
        ASSERT_EQ(answers.messageBoxes.size(), 1u);
        EXPECT_EQ(answers.messageBoxes[0].text, c.message);
        EXPECT_EQ(answers.messageBoxes[0].title, "错误");
        EXPECT_EQ(answers.messageBoxes[0].flags, static_cast<UINT>(MB_ICONERROR | MB_TASKMODAL));
        EXPECT_EQ(ControlText(c.box), c.reset);
        EXPECT_EQ(GetFocus(), Control(c.box));
    }
}

TEST_F(MainWindowTest, LeavingATimeBoxWithAValidTextSaysNothing)
{
    DialogAnswers answers;
    LeaveTimeBoxWith(编辑框_时间左, "09:30:00");
    LeaveTimeBoxWith(编辑框_时间右, "19:05:59");
    DrainMessages();
    EXPECT_TRUE(answers.messageBoxes.empty());
    EXPECT_EQ(ControlText(编辑框_时间左), "09:30:00");
    EXPECT_EQ(ControlText(编辑框_时间右), "19:05:59");
}

TEST_F(MainWindowTest, ClosingTheWindowFromABadTimeBoxShowsNoMessage)
{
    DialogAnswers answers;
    EnableControl(编辑框_时间左, true);
    SetFocus(Control(编辑框_时间左));
    SetControlText(编辑框_时间左, "99:99:99");
    SendMessageA(window, WM_CLOSE, 0, 0);
    DrainMessages();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(answers.messageBoxes.empty());
}
