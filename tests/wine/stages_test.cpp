// Stage resets and the copy progress group.
#include <windows.h>
#include <commctrl.h>

#include "core/session.h"
#include "results/result_list.h"
#include "tests/support/list_helpers.h"
#include "tests/support/wine_test.h"
#include "ui/controls.h"
#include "ui/stages.h"

namespace {

void DirtyCopyCounters()
{
    g_copiedCount = 5;
    g_copiedBytes = 5000;
    g_copyMs = 50;
}

bool CopyCountersAreZero()
{
    return g_copiedCount == 0 && g_copiedBytes == 0 && g_copyMs == 0;
}

int BarMaximum()
{
    return static_cast<int>(SendMessageA(Control(进度条_复制进度), PBM_GETRANGE, FALSE, 0));
}

int BarPosition()
{
    return static_cast<int>(SendMessageA(Control(进度条_复制进度), PBM_GETPOS, 0, 0));
}

}  // namespace

TEST_F(MainWindowTest, EveryStageClearsTheCopyCounters)
{
    for (int stage : {1, 2, 3, 0, 7}) {
        SCOPED_TRACE(stage);
        DirtyCopyCounters();
        ResetForStage(stage);
        EXPECT_TRUE(CopyCountersAreZero());
    }
}

TEST_F(MainWindowTest, SearchStageEmptiesTheListAndTheSearchTime)
{
    AddNumberedRows(3);
    SetCheckState(0, kTicked);
    g_searchMs = 77;
    ResetForStage(kStageSearch);
    EXPECT_EQ(RowCount(), 0);
    EXPECT_EQ(g_searchMs, 0);
    EXPECT_EQ(ControlText(标签_文件数), "找到文件：0个\r\n耗时：0毫秒");
    EXPECT_EQ(ControlText(标签_选中数), "选\r\n中\r\n0\r\n个");
}

TEST_F(MainWindowTest, CopyStageSetsTheBarToTheTickedRows)
{
    AddNumberedRows(4);
    SetCheckState(1, kTicked);
    SetCheckState(2, kTicked);
    SetProgressPosition(3);
    ResetForStage(kStageCopy);
    EXPECT_EQ(BarPosition(), 0);
    EXPECT_EQ(BarMaximum(), 2);
    EXPECT_EQ(ControlText(标签_选中数), "选\r\n中\r\n2\r\n个");
}

TEST_F(MainWindowTest, CopyStageWithNothingTickedLeavesAnEmptyBar)
{
    SetProgressPosition(10);
    ResetForStage(kStageCopy);
    EXPECT_EQ(BarPosition(), 0);
    EXPECT_EQ(BarMaximum(), 0);
    EXPECT_EQ(ControlText(标签_选中数), "选\r\n中\r\n0\r\n个");
}

TEST_F(MainWindowTest, ProgressBarKeepsItsValuesWithin0And32767)
{
    SetProgressMaximum(40000);
    EXPECT_EQ(BarMaximum(), 32767);
    SetProgressPosition(-5);
    EXPECT_EQ(BarPosition(), 0);
    SetProgressPosition(40000);
    EXPECT_EQ(BarPosition(), 32767);
    SetProgressMaximum(10);
    EXPECT_EQ(BarMaximum(), 10);
    EXPECT_EQ(BarPosition(), 10);
    SetProgressMaximum(-3);
    EXPECT_EQ(BarMaximum(), 0);
    EXPECT_EQ(BarPosition(), 0);
}

TEST_F(MainWindowTest, CopyProgressGroupIsShownAndHiddenWithItsBar)
{
    ShowCopyProgress();
    EXPECT_TRUE(IsWindowVisible(Control(分组框_文件复制进度)));
    EXPECT_TRUE(IsWindowVisible(Control(进度条_复制进度)));
    HideCopyProgress();
    EXPECT_FALSE(IsWindowVisible(Control(分组框_文件复制进度)));
    EXPECT_FALSE(GetWindowLongPtrA(Control(进度条_复制进度), GWL_STYLE) & WS_VISIBLE);
}
