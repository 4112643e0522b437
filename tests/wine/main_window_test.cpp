// The main window as it stands after start-up: every control where the
// layout puts it, with its text, look and starting state.
#include <windows.h>
#include <commctrl.h>

#include "core/datetime.h"
#include "core/session.h"
#include "core/system.h"
#include "results/result_list.h"
#include "tests/support/list_helpers.h"
#include "tests/support/window_helpers.h"
#include "tests/support/wine_test.h"
#include "ui/controls.h"
#include "ui/main_window.h"

namespace {

struct ExpectedControl {
    ControlName name;
    const char* className;
    int x, y, width, height;
    const char* text;
};

// In stacking order, from the top; the progress bar sits inside the group box.
const ExpectedControl kLayout[] = {
    {按钮_统计文件大小, "Button", 0, 299, 24, 86, "统计文件大小"},
    {分组框_文件复制进度, "Button", 65, 427, 500, 50, "文件复制进度"},
    {选择框_原目录结构, "Button", 368, 85, 80, 24, "原目录结构"},
    {标签_选中数, "VelmoraLabel", 0, 216, 24, 76, "选\r\n中\r\n0\r\n个"},
    {按钮_删除选中, "Button", 236, 85, 60, 24, "删除选中"},
    {按钮_拷贝文件, "Button", 304, 85, 60, 24, "拷贝文件"},
    {按钮_选择, "Button", 0, 136, 24, 32, "选择"},
    {按钮_反选, "Button", 0, 176, 24, 32, "反选"},
    {按钮_全部删除, "Button", 168, 85, 60, 24, "删除全部"},
    {按钮_默认列表宽度, "Button", 100, 85, 60, 24, "默认列宽"},
    {超级列表框_显示结果, "SysListView32", 24, 112, 544, 308, ""},
    {选择框_显示根目录, "Button", 16, 85, 80, 24, "显示根目录"},
    {编辑框_时间右, "Edit", 401, 56, 60, 24, "23:59:59"},
    {日期框_右, "SysDateTimePick32", 296, 56, 106, 24, nullptr},
    {标签_到, "VelmoraLabel", 265, 56, 24, 24, "到"},
    {编辑框_时间左, "Edit", 193, 56, 60, 24, "00:00:00"},
    {日期框_左, "SysDateTimePick32", 88, 56, 106, 24, nullptr},
    {标签_类型, "VelmoraLabel", 400, 12, 32, 32, "类型："},
    {编辑框_更多信息, "Edit", 64, 424, 504, 54, ""},
    {标签_更多信息, "VelmoraLabel", 16, 432, 48, 48, "更多信息"},
    {按钮_开始寻找, "Button", 472, 48, 88, 32, "开始寻找"},
    {编辑框_文件类型, "Edit", 432, 12, 128, 32, "*.*"},
    {按钮_选择路径, "Button", 360, 12, 32, 32, "..."},
    {编辑框_寻找路径, "Edit", 48, 12, 312, 32, ""},
    {标签_路径, "VelmoraLabel", 16, 12, 40, 32, "路径："},
    {选择框_修改时间, "Button", 16, 56, 80, 24, "修改时间："},
    {标签_文件数, "VelmoraLabel", 447, 85, 120, 24, "找到文件：0个\r\n耗时：0毫秒"},
};

LONG_PTR StyleOf(ControlName name)
{
    return GetWindowLongPtrA(Control(name), GWL_STYLE);
}

LONG_PTR ExStyleOf(ControlName name)
{
    return GetWindowLongPtrA(Control(name), GWL_EXSTYLE);
}

LOGFONTA FontOf(ControlName name)
{
    return WindowFont(Control(name));
}

bool UsesDefaultGuiFont(ControlName name)
{
    return reinterpret_cast<HGDIOBJ>(SendMessageA(Control(name), WM_GETFONT, 0, 0)) == GetStockObject(DEFAULT_GUI_FONT);
}

}  // namespace

TEST_F(MainWindowTest, EveryControlStandsWhereTheLayoutPutsItWithItsText)
{
    for (const ExpectedControl& expected : kLayout) {
        SCOPED_TRACE(expected.text ? expected.text : "date picker");
        const HWND control = Control(expected.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(GetParent(control), window);
        ExpectControlAt(control, expected.className, expected.x, expected.y, expected.width, expected.height);
        if (expected.text) {
            EXPECT_EQ(ControlText(expected.name), expected.text);
        }
    }
}

TEST_F(MainWindowTest, ControlsAreStackedInTheLayoutOrder)
{
    std::vector<HWND> expected;
    for (const ExpectedControl& control : kLayout)
        expected.push_back(Control(control.name));
    std::vector<HWND> actual;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        actual.push_back(child);
    EXPECT_EQ(actual, expected);
}

TEST_F(MainWindowTest, ProgressBarSitsInsideTheGroupBox)
{
    const HWND bar = Control(进度条_复制进度);
    EXPECT_EQ(GetParent(bar), Control(分组框_文件复制进度));
    const RECT place = PlaceInParent(bar);
    EXPECT_EQ(place.left, 9);
    EXPECT_EQ(place.top, 18);
    EXPECT_EQ(place.right - place.left, 485);
    EXPECT_EQ(place.bottom - place.top, 20);
    EXPECT_TRUE(ExStyleOf(进度条_复制进度) & WS_EX_STATICEDGE);
    EXPECT_FALSE(StyleOf(进度条_复制进度) & (PBS_SMOOTH | PBS_VERTICAL));
}

TEST_F(MainWindowTest, ButtonsAndCheckBoxesHaveTheirStyles)
{
    for (ControlName button : {按钮_统计文件大小, 按钮_删除选中, 按钮_拷贝文件, 按钮_选择, 按钮_反选, 按钮_全部删除,
                               按钮_默认列表宽度, 按钮_开始寻找, 按钮_选择路径}) {
        SCOPED_TRACE(ControlText(button));
        const LONG_PTR style = StyleOf(button);
        EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON);
        EXPECT_EQ(style & (BS_MULTILINE | BS_CENTER | BS_VCENTER), BS_MULTILINE | BS_CENTER | BS_VCENTER);
    }
    for (ControlName box : {选择框_原目录结构, 选择框_显示根目录, 选择框_修改时间}) {
        SCOPED_TRACE(ControlText(box));
        const LONG_PTR style = StyleOf(box);
        EXPECT_EQ(style & BS_TYPEMASK, BS_AUTOCHECKBOX);
        EXPECT_EQ(style & (BS_MULTILINE | BS_VCENTER), BS_MULTILINE | BS_VCENTER);
        EXPECT_EQ(style & BS_CENTER, BS_LEFT);
        EXPECT_FALSE(style & BS_LEFTTEXT);
    }
    EXPECT_EQ(StyleOf(分组框_文件复制进度) & BS_TYPEMASK, BS_GROUPBOX);
}

TEST_F(MainWindowTest, EditBoxesHaveTheirStyles)
{
    const LONG_PTR path = StyleOf(编辑框_寻找路径);
    EXPECT_EQ(path & (ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN), ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN);
    EXPECT_FALSE(path & (WS_VSCROLL | WS_HSCROLL));
    EXPECT_EQ(StyleOf(编辑框_文件类型) & (ES_MULTILINE | ES_CENTER), ES_CENTER);
    for (ControlName box : {编辑框_时间左, 编辑框_时间右}) {
        EXPECT_EQ(StyleOf(box) & (ES_MULTILINE | ES_CENTER), ES_CENTER);
        EXPECT_EQ(SendMessageA(Control(box), EM_GETLIMITTEXT, 0, 0), 8);
    }
    const LONG_PTR details = StyleOf(编辑框_更多信息);
    EXPECT_EQ(details & (ES_MULTILINE | ES_READONLY | WS_VSCROLL), ES_MULTILINE | ES_READONLY | WS_VSCROLL);
    EXPECT_FALSE(ExStyleOf(编辑框_更多信息) & WS_EX_CLIENTEDGE);
    for (ControlName box : {编辑框_寻找路径, 编辑框_文件类型, 编辑框_时间左, 编辑框_时间右})
        EXPECT_TRUE(ExStyleOf(box) & WS_EX_CLIENTEDGE);
    for (ControlName box : {编辑框_寻找路径, 编辑框_文件类型, 编辑框_时间左, 编辑框_时间右, 编辑框_更多信息})
        EXPECT_FALSE(StyleOf(box) & ES_NOHIDESEL);
}

TEST_F(MainWindowTest, TimeBoxesTakeNoNinthCharacterAndThePathBoxTakesNewLines)
{
    SetFocus(Control(编辑框_时间左));
    SendMessageA(Control(编辑框_时间左), EM_SETSEL, 8, 8);
    SendMessageA(Control(编辑框_时间左), WM_CHAR, '9', 0);
    EXPECT_EQ(ControlText(编辑框_时间左), "00:00:00");

    SetFocus(Control(编辑框_寻找路径));
    for (char c : {'a', '\r', 'b'})
        SendMessageA(Control(编辑框_寻找路径), WM_CHAR, static_cast<WPARAM>(c), 0);
    EXPECT_EQ(ControlText(编辑框_寻找路径), "a\r\nb");
}

TEST_F(MainWindowTest, FontsFollowTheLayout)
{
    struct ExpectedFont {
        ControlName name;
        LONG height;
        LONG weight;
    };
    const ExpectedFont fonts[] = {
        {按钮_开始寻找, -16, FW_BOLD}, {按钮_选择路径, -14, FW_BOLD}, {标签_到, -16, FW_NORMAL}, {标签_更多信息, -20, FW_BOLD}};
    for (const ExpectedFont& expected : fonts) {
        const LOGFONTA font = FontOf(expected.name);
        EXPECT_EQ(font.lfHeight, expected.height);
        EXPECT_EQ(font.lfWeight, expected.weight);
        EXPECT_STREQ(font.lfFaceName, "");
        EXPECT_EQ(font.lfCharSet, DEFAULT_CHARSET);
        EXPECT_EQ(font.lfQuality, PROOF_QUALITY);
    }
    for (ControlName name : {按钮_统计文件大小, 按钮_删除选中, 选择框_原目录结构, 标签_选中数, 标签_类型, 标签_路径, 标签_文件数,
                             编辑框_寻找路径, 编辑框_更多信息, 日期框_左, 日期框_右, 超级列表框_显示结果})
        EXPECT_TRUE(UsesDefaultGuiFont(name)) << ControlText(name);
}

TEST_F(MainWindowTest, LabelsAreOwnDrawnWithTheirAlignmentAndBorder)
{
    EXPECT_TRUE(StyleOf(标签_选中数) & WS_BORDER);
    for (ControlName label : {标签_到, 标签_类型, 标签_更多信息, 标签_路径, 标签_文件数})
        EXPECT_FALSE(StyleOf(label) & WS_BORDER);
}

TEST_F(MainWindowTest, StartsWithTheRangeInputsOffAndTheCopyProgressHidden)
{
    EXPECT_TRUE(IsTicked(选择框_原目录结构));
    EXPECT_FALSE(IsTicked(选择框_显示根目录));
    EXPECT_FALSE(IsTicked(选择框_修改时间));
    for (ControlName input : {日期框_左, 日期框_右, 编辑框_时间左, 编辑框_时间右})
        EXPECT_FALSE(IsWindowEnabled(Control(input)));
    EXPECT_EQ(FontOf(标签_到).lfWeight, FW_NORMAL);
    const DateTime today = DateOnly(CurrentDateTime());
    EXPECT_EQ(DateOnly(DatePickerValue(日期框_左)), today);
    EXPECT_EQ(DateOnly(DatePickerValue(日期框_右)), today);
    EXPECT_FALSE(IsWindowVisible(Control(分组框_文件复制进度)));
    EXPECT_FALSE(GetWindowLongPtrA(Control(进度条_复制进度), GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(RowCount(), 0);
    EXPECT_EQ(ColumnWidth(0), 324);
    EXPECT_EQ(ColumnWidth(1), 126);
    EXPECT_EQ(ColumnWidth(2), 72);
    EXPECT_EQ(g_copiedCount, 0);
    EXPECT_EQ(g_copiedBytes, 0);
    EXPECT_EQ(g_copyMs, 0);
}

TEST_F(MainWindowTest, DatePickersUseTheLongDropDownFormat)
{
    for (ControlName picker : {日期框_左, 日期框_右}) {
        const LONG_PTR style = StyleOf(picker);
        EXPECT_TRUE(style & DTS_LONGDATEFORMAT);
        EXPECT_FALSE(style & (DTS_UPDOWN | DTS_SHOWNONE));
        EXPECT_TRUE(ExStyleOf(picker) & WS_EX_CLIENTEDGE);
    }
}

TEST_F(MainWindowTest, ResultListHasItsSettingsAndColumns)
{
    const LONG_PTR style = StyleOf(超级列表框_显示结果);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_NOSORTHEADER);
    EXPECT_FALSE(style & (LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS));
    EXPECT_TRUE(ExStyleOf(超级列表框_显示结果) & WS_EX_CLIENTEDGE);
    const LRESULT extended = SendMessageA(Control(超级列表框_显示结果), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    EXPECT_EQ(extended & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES), LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    EXPECT_FALSE(extended & (LVS_EX_TRACKSELECT | LVS_EX_ONECLICKACTIVATE));
    EXPECT_EQ(ColumnTitle(0), "文件名");
    EXPECT_EQ(ColumnTitle(1), "修改时间");
    EXPECT_EQ(ColumnTitle(2), "文件大小");
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT;
    SendMessageA(Control(超级列表框_显示结果), LVM_GETCOLUMNA, 2, reinterpret_cast<LPARAM>(&column));
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);
}

TEST_F(MainWindowTest, EscInAControlClosesTheWindow)
{
    SetFocus(Control(编辑框_文件类型));
    PostMessageA(Control(编辑框_文件类型), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
    EXPECT_EQ(MainWindow(), nullptr);
}
