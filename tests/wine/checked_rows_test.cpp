// Check marks, the two count labels and the row commands, in the real window.
#include <windows.h>
#include <commctrl.h>

#include "core/session.h"
#include "results/checked_rows.h"
#include "results/result_list.h"
#include "tests/support/list_helpers.h"
#include "tests/support/wine_test.h"
#include "ui/controls.h"

namespace {

void Click(ControlName button)
{
    SendMessageA(Control(button), BM_CLICK, 0, 0);
}

void TickRows(const std::vector<int>& rows)
{
    for (int row : rows)
        SetCheckState(row, kTicked);
}

// Gives the list the focus notification that Windows sends when the focused
// row is deleted, at the moment the list deletes a row.
LRESULT CALLBACK NotifyFocusOnDelete(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == LVM_DELETEITEM) {
        NMLISTVIEW change = {};
        change.hdr = {list, static_cast<UINT_PTR>(GetDlgCtrlID(list)), LVN_ITEMCHANGED};
        change.iItem = 0;
        change.uChanged = LVIF_STATE;
        change.uNewState = LVIS_FOCUSED;
        SendMessageA(GetParent(list), WM_NOTIFY, change.hdr.idFrom, reinterpret_cast<LPARAM>(&change));
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace

TEST(CheckedLabelCaption, SplitsCountsLongerThanThreeDigits)
{
    const std::pair<int, const char*> cases[] = {
        {0, "选\r\n中\r\n0\r\n个"},
        {999, "选\r\n中\r\n999\r\n个"},
        {1000, "选\r\n中\r\n100\r\n0\r\n个"},
        {1234, "选\r\n中\r\n123\r\n4\r\n个"},
        {1234567, "选\r\n中\r\n123\r\n4567\r\n个"},
    };
    for (const auto& [count, caption] : cases)
        EXPECT_EQ(CheckedLabelCaption(count), caption) << count;
}

TEST_F(MainWindowTest, CheckedLabelCountsTickedRowsWhenRefreshed)
{
    AddNumberedRows(1000);
    for (int row = 0; row < 999; ++row)
        SetCheckState(row, kTicked);
    EXPECT_EQ(RefreshCheckedLabel(), 999);
    EXPECT_EQ(ControlText(标签_选中数), "选\r\n中\r\n999\r\n个");
    SetCheckState(999, kTicked);
    EXPECT_EQ(RefreshCheckedLabel(), 1000);
    EXPECT_EQ(ControlText(标签_选中数), "选\r\n中\r\n100\r\n0\r\n个");
}

TEST_F(MainWindowTest, CollectCheckedRowsTakesTickedRowsInOrderWithFullPaths)
{
    g_rootPath = "D:\\data\\";
    AddRows({"a.txt", "sub\\b.txt", "c.txt"});
    TickRows({2, 0});
    g_checkedPaths = {"stale"};
    CollectCheckedRows();
    EXPECT_EQ(g_checkedPaths, (TextList{"D:\\data\\a.txt", "D:\\data\\c.txt"}));
    EXPECT_EQ(g_checkedRows, (std::vector<int32_t>{0, 2}));

    Click(选择框_显示根目录);
    CollectCheckedRows();
    EXPECT_EQ(g_checkedPaths, (TextList{"D:\\data\\a.txt", "D:\\data\\c.txt"}));
}

TEST_F(MainWindowTest, RowFullPathOfNoRowIsTheRootOrNothing)
{
    g_rootPath = "D:\\data\\";
    EXPECT_EQ(RowFullPath(-1), "D:\\data\\");
    SetTicked(选择框_显示根目录, true);
    EXPECT_EQ(RowFullPath(-1), "");
}

TEST_F(MainWindowTest, FocusMovingToAnotherRowRefreshesTheCheckedLabel)
{
    AddRows({"a", "b", "c"});
    FocusRow(0);
    TickRows({1, 2});
    EXPECT_EQ(ControlText(标签_选中数), "选\r\n中\r\n0\r\n个");
    FocusRow(1);
    EXPECT_EQ(ControlText(标签_选中数), "选\r\n中\r\n2\r\n个");
}

TEST_F(MainWindowTest, TickingTheFocusedRowsBoxLeavesTheLabelUntilTheNextRefresh)
{
    AddRows({"a", "b"});
    ClickList(RowTextPoint(0));
    ClickList(CheckBoxPoint(0));
    EXPECT_EQ(TickedRows(), (std::vector<int>{0}));
    EXPECT_EQ(ControlText(标签_选中数), "选\r\n中\r\n0\r\n个");
    FocusRow(1);
    EXPECT_EQ(ControlText(标签_选中数), "选\r\n中\r\n1\r\n个");
}

TEST_F(MainWindowTest, RowCommandsOnAnEmptyListLeaveItEmptyWithCountZero)
{
    for (ControlName button : {按钮_选择, 按钮_反选, 按钮_全部删除, 按钮_删除选中}) {
        Click(button);
        EXPECT_EQ(RowCount(), 0);
        EXPECT_EQ(ControlText(标签_选中数), "选\r\n中\r\n0\r\n个");
    }
}

TEST_F(MainWindowTest, SelectTicksTheHighlightedRowsAndUnticksNone)
{
    AddNumberedRows(6);
    TickRows({5});
    HighlightRows({1, 3});
    // The list loses the focus, and with it the visible highlight, to the button.
    SetFocus(Control(按钮_选择));
    Click(按钮_选择);
    EXPECT_EQ(TickedRows(), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(ControlText(标签_选中数), "选\r\n中\r\n3\r\n个");
}

TEST_F(MainWindowTest, SelectWithNothingHighlightedStillRefreshesTheLabel)
{
    AddNumberedRows(3);
    TickRows({0, 2});
    Click(按钮_选择);
    EXPECT_EQ(TickedRows(), (std::vector<int>{0, 2}));
    EXPECT_EQ(ControlText(标签_选中数), "选\r\n中\r\n2\r\n个");
}

TEST_F(MainWindowTest, InvertTwiceRestoresEveryMark)
{
    AddNumberedRows(5);
    TickRows({0, 3});
    Click(按钮_反选);
    EXPECT_EQ(TickedRows(), (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(ControlText(标签_选中数), "选\r\n中\r\n3\r\n个");
    Click(按钮_反选);
    EXPECT_EQ(TickedRows(), (std::vector<int>{0, 3}));
}

TEST_F(MainWindowTest, RemoveAllKeepsTheLastSearchTime)
{
    g_searchMs = 321;
    AddNumberedRows(4);
    TickRows({1});
    Click(按钮_全部删除);
    EXPECT_EQ(RowCount(), 0);
    EXPECT_EQ(ControlText(标签_文件数), "找到文件：0个\r\n耗时：321毫秒");
    EXPECT_EQ(ControlText(标签_选中数), "选\r\n中\r\n0\r\n个");
    EXPECT_TRUE(g_checkedPaths.empty());
}

TEST_F(MainWindowTest, RemoveCheckedDeletesTheTickedRowsOnly)
{
    AddRows({"r0", "r1", "r2", "r3", "r4", "r5"});
    TickRows({1, 3, 4});
    Click(按钮_删除选中);
    EXPECT_EQ(Column0Texts(), (std::vector<Text>{"r0", "r2", "r5"}));
    EXPECT_TRUE(TickedRows().empty());
    EXPECT_EQ(ControlText(标签_文件数), "找到文件：3个\r\n耗时：0毫秒");
    EXPECT_EQ(ControlText(标签_选中数), "选\r\n中\r\n0\r\n个");
}

TEST_F(MainWindowTest, RemoveCheckedKeepsItsRowsWhenTheLabelIsRefreshedMidway)
{
    AddRows({"r0", "r1", "r2", "r3", "r4", "r5"});
    TickRows({1, 3, 4});
    SetWindowSubclass(Control(超级列表框_显示结果), NotifyFocusOnDelete, 1, 0);
    Click(按钮_删除选中);
    RemoveWindowSubclass(Control(超级列表框_显示结果), NotifyFocusOnDelete, 1);
    EXPECT_EQ(Column0Texts(), (std::vector<Text>{"r0", "r2", "r5"}));
}

TEST_F(MainWindowTest, ShowRootTogglesTheRootInFrontOfEveryRow)
{
    g_rootPath = "D:\\data\\";
    AddRows({"a\\b.txt", "c.txt"});
    TickRows({1});
    HighlightRows({0});
    Click(选择框_显示根目录);
    EXPECT_EQ(Column0Texts(), (std::vector<Text>{"D:\\data\\a\\b.txt", "D:\\data\\c.txt"}));
    Click(选择框_显示根目录);
    EXPECT_EQ(Column0Texts(), (std::vector<Text>{"a\\b.txt", "c.txt"}));
    EXPECT_EQ(TickedRows(), (std::vector<int>{1}));
    EXPECT_EQ(HighlightedRows(), (std::vector<int>{0}));
}

TEST_F(MainWindowTest, ShowRootTakesOnlyTheLeadingRootOff)
{
    g_rootPath = "\\";
    AddRows({"a\\b.txt"});
    Click(选择框_显示根目录);
    EXPECT_EQ(CellText(0), "\\a\\b.txt");
    EXPECT_EQ(RowFullPath(0), "\\a\\b.txt");
    Click(选择框_显示根目录);
    EXPECT_EQ(CellText(0), "a\\b.txt");
    EXPECT_EQ(RowFullPath(0), "\\a\\b.txt");
}

TEST_F(MainWindowTest, ShowRootOnAnEmptyListChangesNothing)
{
    g_rootPath = "D:\\data\\";
    Click(选择框_显示根目录);
    EXPECT_EQ(RowCount(), 0);
    EXPECT_TRUE(IsTicked(选择框_显示根目录));
}

TEST_F(MainWindowTest, DefaultColumnWidthsAreRestoredByTheButton)
{
    for (int column = 0; column < 3; ++column)
        SetColumnWidth(column, 50);
    Click(按钮_默认列表宽度);
    EXPECT_EQ(ColumnWidth(0), 324);
    EXPECT_EQ(ColumnWidth(1), 126);
    EXPECT_EQ(ColumnWidth(2), 72);
}
