// The result list's operations and events on the real list control.
#include <windows.h>
#include <commctrl.h>

#include "results/result_list.h"
#include "tests/support/list_helpers.h"
#include "tests/support/wine_test.h"
#include "ui/controls.h"

namespace {

class ResultListTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        BindResultListEvents({CountCurrentRowChanged, CountClicked, CountRightClicked, CountDoubleClicked});
        s_events = {};
    }

    struct EventCounts {
        int currentRowChanged, clicked, rightClicked, doubleClicked;
    };
    static inline EventCounts s_events;
    static void CountCurrentRowChanged() { ++s_events.currentRowChanged; }
    static void CountClicked() { ++s_events.clicked; }
    static void CountRightClicked() { ++s_events.rightClicked; }
    static void CountDoubleClicked() { ++s_events.doubleClicked; }
};

// The text the control itself shows for a cell, asked the way it paints.
Text DisplayedText(int row, int column)
{
    char text[260] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(Control(超级列表框_显示结果), LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
    return text;
}

int DisplayedCheckState(int row)
{
    const UINT state = static_cast<UINT>(SendMessageA(Control(超级列表框_显示结果), LVM_GETITEMSTATE,
                                                      static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
    return static_cast<int>((state & LVIS_STATEIMAGEMASK) >> 12) - 1;
}

}  // namespace

TEST_F(ResultListTest, AppendedRowsKeepTheirOrderTextsAndStartUnticked)
{
    EXPECT_EQ(AppendRow("a.txt"), 0);
    EXPECT_EQ(AppendRow("sub\\b.txt"), 1);
    SetCellText(1, 1, "2013-07-27 09:05:03");
    SetCellText(1, 2, "1.5 KB");
    EXPECT_EQ(RowCount(), 2);
    EXPECT_EQ(SendMessageA(Control(超级列表框_显示结果), LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(CellText(0), "a.txt");
    EXPECT_EQ(CellText(0, 1), "");
    EXPECT_EQ(CellText(1, 1), "2013-07-27 09:05:03");
    EXPECT_EQ(DisplayedText(1, 0), "sub\\b.txt");
    EXPECT_EQ(DisplayedText(1, 2), "1.5 KB");
    EXPECT_EQ(CheckState(0), kUnticked);
    EXPECT_EQ(DisplayedCheckState(1), kUnticked);
}

TEST_F(ResultListTest, IndicesThatNameNoRowAreHarmless)
{
    AddRows({"a", "b"});
    for (int row : {-1, 2, 1000}) {
        SCOPED_TRACE(row);
        EXPECT_EQ(CellText(row), "");
        EXPECT_EQ(CheckState(row), kNoSuchRow);
        SetCellText(row, 0, "x");
        SetCheckState(row, kTicked);
        DeleteRow(row);
    }
    EXPECT_EQ(CellText(0, 3), "");
    EXPECT_EQ(CellText(0, -1), "");
    EXPECT_EQ(Column0Texts(), (std::vector<Text>{"a", "b"}));
    EXPECT_TRUE(TickedRows().empty());
}

TEST_F(ResultListTest, CheckStateIsShownByTheControl)
{
    AddRows({"a", "b", "c"});
    SetCheckState(1, kTicked);
    EXPECT_EQ(CheckState(1), kTicked);
    EXPECT_EQ(DisplayedCheckState(1), kTicked);
    EXPECT_EQ(DisplayedCheckState(0), kUnticked);
    SetCheckState(1, kUnticked);
    EXPECT_EQ(DisplayedCheckState(1), kUnticked);
}

TEST_F(ResultListTest, HighlightedAndCurrentRowsComeFromTheHighlightNotTheFocus)
{
    AddNumberedRows(10);
    EXPECT_EQ(CurrentRow(), -1);
    EXPECT_TRUE(HighlightedRows().empty());
    HighlightRows({7, 4});
    FocusRow(7);
    EXPECT_EQ(HighlightedRows(), (std::vector<int>{4, 7}));
    EXPECT_EQ(CurrentRow(), 4);
}

TEST_F(ResultListTest, DeletingMovesLaterRowsUpWithTheirMarks)
{
    AddRows({"r0", "r1", "r2", "r3"});
    SetCheckState(3, kTicked);
    DeleteRow(1);
    EXPECT_EQ(Column0Texts(), (std::vector<Text>{"r0", "r2", "r3"}));
    EXPECT_EQ(TickedRows(), (std::vector<int>{2}));
    EXPECT_EQ(DisplayedText(2, 0), "r3");
    DeleteAllRows();
    EXPECT_EQ(RowCount(), 0);
    EXPECT_EQ(SendMessageA(Control(超级列表框_显示结果), LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(ResultListTest, ClickOnACheckBoxTogglesItAndRaisesListClicked)
{
    AddRows({"a", "b", "c"});
    ClickList(CheckBoxPoint(1));
    EXPECT_EQ(TickedRows(), (std::vector<int>{1}));
    EXPECT_EQ(DisplayedCheckState(1), kTicked);
    EXPECT_EQ(s_events.clicked, 1);
    ClickList(CheckBoxPoint(1));
    EXPECT_TRUE(TickedRows().empty());
    EXPECT_EQ(s_events.clicked, 2);
}

TEST_F(ResultListTest, ClickOnARowTextLeavesItsCheckBoxAlone)
{
    AddRows({"a", "b"});
    ClickList(RowTextPoint(0));
    EXPECT_TRUE(TickedRows().empty());
    EXPECT_EQ(s_events.clicked, 1);
    EXPECT_EQ(CurrentRow(), 0);
}

TEST_F(ResultListTest, SpaceBarTogglesTheFocusedRow)
{
    AddRows({"a", "b", "c"});
    FocusRow(2);
    SetFocus(Control(超级列表框_显示结果));
    SendMessageA(Control(超级列表框_显示结果), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(Control(超级列表框_显示结果), WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(TickedRows(), (std::vector<int>{2}));
    SendMessageA(Control(超级列表框_显示结果), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(Control(超级列表框_显示结果), WM_KEYUP, VK_SPACE, 0);
    EXPECT_TRUE(TickedRows().empty());
}

TEST_F(ResultListTest, CurrentRowChangedIsRaisedWhenAnotherRowGainsTheFocus)
{
    AddRows({"a", "b", "c"});
    FocusRow(0);
    EXPECT_EQ(s_events.currentRowChanged, 1);
    FocusRow(0);
    EXPECT_EQ(s_events.currentRowChanged, 1);
    FocusRow(2);
    EXPECT_EQ(s_events.currentRowChanged, 2);
    SetCheckState(2, kTicked);
    EXPECT_EQ(s_events.currentRowChanged, 2);
}

TEST_F(ResultListTest, RightAndDoubleClicksRaiseTheirEventsOnRowsAndBelowThem)
{
    AddRows({"a"});
    RightClickList(RowTextPoint(0));
    RightClickList({200, 250});
    EXPECT_EQ(s_events.rightClicked, 2);
    DoubleClickList(RowTextPoint(0));
    DoubleClickList({200, 250});
    EXPECT_EQ(s_events.doubleClicked, 2);
}

TEST_F(ResultListTest, DoubleClickIsRaisedBeforeTheListMovesTheHighlight)
{
    AddRows({"a", "b"});
    HighlightRows({0});
    int highlightedWhenRaised = -2;
    static int* s_seen;
    s_seen = &highlightedWhenRaised;
    BindResultListEvents({nullptr, nullptr, nullptr, [] { *s_seen = CurrentRow(); }});
    PostMessageA(Control(超级列表框_显示结果), WM_LBUTTONDBLCLK, MK_LBUTTON,
                 MAKELPARAM(RowTextPoint(1).x, RowTextPoint(1).y));
    PostMessageA(Control(超级列表框_显示结果), WM_LBUTTONUP, 0, MAKELPARAM(RowTextPoint(1).x, RowTextPoint(1).y));
    DrainMessages();
    EXPECT_EQ(highlightedWhenRaised, 0);
}

TEST_F(ResultListTest, SetColumnWidthChangesTheColumn)
{
    SetColumnWidth(1, 200);
    EXPECT_EQ(ColumnWidth(1), 200);
}
