#include "ui/stages.h"

#include "core/session.h"
#include "results/checked_rows.h"
#include "search/time_range.h"
#include "ui/controls.h"

namespace {

void ResetForWindowCreated()
{
    ApplyTimeFilterEnable();
    ResetRangeInputs(0);
    SetDefaultColumnWidths();
    HideCopyProgress();
}

void ResetForSearch()
{
    g_searchMs = 0;
    RemoveAllRows();
    RefreshFoundLabel();
}

void ResetForCopy()
{
    SetProgressPosition(0);
    SetProgressMaximum(RefreshCheckedLabel());
}

}  // namespace

void ResetForStage(int stage)
{
    g_copiedCount = 0;
    g_copiedBytes = 0;
    g_copyMs = 0;
    if (stage == kStageWindowCreated)
        ResetForWindowCreated();
    else if (stage == kStageSearch)
        ResetForSearch();
    else if (stage == kStageCopy)
        ResetForCopy();
}

void ShowCopyProgress()
{
    ShowControl(分组框_文件复制进度, true);
    ShowControl(进度条_复制进度, true);
}

void HideCopyProgress()
{
    ShowControl(分组框_文件复制进度, false);
    ShowControl(进度条_复制进度, false);
}
