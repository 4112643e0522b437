#include "search/search_command.h"

#include "core/session.h"
#include "core/system.h"
#include "results/checked_rows.h"
#include "search/folder_walk.h"
#include "search/time_range.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/stages.h"

namespace {

// The range bounds from the date pickers and time boxes; false, after telling
// the user, when the start lies after the end. The inputs take part also
// while the time filter is off.
bool ComposeRange()
{
    g_rangeStart = ComposeBound(DatePickerValue(日期框_左), ControlText(编辑框_时间左), ":");
    g_rangeEnd = ComposeBound(DatePickerValue(日期框_右), ControlText(编辑框_时间右), ":");
    if (SecondsBetween(g_rangeStart, g_rangeEnd) <= 1e-7)
        return true;
    ShowMessageBox("请选择正确的时间范围！\r\n左侧时间应该小于右侧时间", kStyleError, "错误");
    ResetRangeInputs(1);
    ResetRangeInputs(2);
    return false;
}

bool HasSearchFolder()
{
    if (!ControlText(编辑框_寻找路径).empty())
        return true;
    ShowMessageBox("请选择欲寻找的目录！", kStyleError, "错误");
    FocusControl(GetParent(Control(编辑框_寻找路径)), Control(编辑框_寻找路径));
    return false;
}

}  // namespace

void StartSearch()
{
    const int search = BeginSearch();
    ResetForStage(kStageSearch);
    if (!ComposeRange())
        return;
    if (ControlText(编辑框_文件类型).empty())
        SetControlText(编辑框_文件类型, "*.*");
    if (!HasSearchFolder())
        return;
    g_rootPath = ControlText(编辑框_寻找路径);
    g_typePattern = ControlText(编辑框_文件类型);
    if (!EndsWithBackslash(g_rootPath))
        g_rootPath += "\\";
    const int start = TickCountMs();
    WalkFolder(g_rootPath, g_typePattern);
    const int end = TickCountMs();
    // A newer search or the window's closing ran inside the walk and ended it.
    if (!SearchGoesOn(search))
        return;
    g_searchMs = ElapsedMs(start, end);
    const int found = RefreshFoundLabel();
    ShowMessageBox(JoinTexts({"成功寻找到文件：", IntToText(found), " 个\r\n任务总耗时：", IntToText(g_searchMs), "毫秒"}),
                   kStyleInfo, "寻找结果");
}

void ChooseSearchFolder()
{
    SetControlText(编辑框_寻找路径, BrowseForFolder("请选择欲搜索目录："));
}
