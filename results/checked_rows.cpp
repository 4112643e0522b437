#include "results/checked_rows.h"

#include <vector>

#include "core/session.h"
#include "results/result_list.h"
#include "ui/controls.h"
#include "ui/dialogs.h"

namespace {

constexpr int kDefaultColumnWidths[] = {324, 126, 72};

// Counts of more than three digits go on two lines of the narrow label.
Text CheckedCountText(int count)
{
    const Text digits = IntToText(count);
    const int length = TextLength(digits);
    if (length <= 3)
        return digits;
    return JoinTexts({TextLeft(digits, 3), "\r\n", TextRight(digits, length - 3)});
}

}  // namespace

Text CheckedLabelCaption(int count)
{
    return JoinTexts({"选\r\n中\r\n", CheckedCountText(count), "\r\n个"});
}

Text RowFullPath(int row)
{
    if (IsTicked(选择框_显示根目录))
        return CellText(row, 0);
    return JoinTexts({g_rootPath, CellText(row, 0)});
}

void CollectCheckedRows()
{
    g_checkedPaths.clear();
    g_checkedRows.clear();
    const int count = RowCount();
    for (int row = 0; row < count; ++row) {
        if (CheckState(row) != kTicked)
            continue;
        g_checkedPaths.push_back(RowFullPath(row));
        g_checkedRows.push_back(row);
    }
}

int RefreshCheckedLabel()
{
    CollectCheckedRows();
    const int count = static_cast<int>(g_checkedPaths.size());
    SetControlText(标签_选中数, CheckedLabelCaption(count));
    return count;
}

int RefreshFoundLabel()
{
    const int count = RowCount();
    SetControlText(标签_文件数,
                   JoinTexts({"找到文件：", IntToText(count), "个\r\n耗时：", IntToText(g_searchMs), "毫秒"}));
    return count;
}

void RemoveAllRows()
{
    DeleteAllRows();
    RefreshFoundLabel();
    RefreshCheckedLabel();
}

void RemoveCheckedRows()
{
    CollectCheckedRows();
    // A focus change during the deletions refreshes the checked lists; the
    // rows to delete are fixed before the first one goes.
    const std::vector<int32_t> rows = g_checkedRows;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        DeleteRow(*row);
    RefreshFoundLabel();
    RefreshCheckedLabel();
}

void CheckHighlightedRows()
{
    for (int row : HighlightedRows())
        SetCheckState(row, kTicked);
    RefreshCheckedLabel();
}

void InvertCheckMarks()
{
    BeginBusyCursor();
    const int count = RowCount();
    for (int row = 0; row < count; ++row) {
        const int state = CheckState(row);
        if (state == kUnticked)
            SetCheckState(row, kTicked);
        else if (state == kTicked)
            SetCheckState(row, kUnticked);
    }
    RefreshCheckedLabel();
    EndBusyCursor();
}

void ApplyRootDisplay()
{
    const bool showRoot = IsTicked(选择框_显示根目录);
    const int count = RowCount();
    for (int row = 0; row < count; ++row) {
        const Text path = CellText(row, 0);
        SetCellText(row, 0, showRoot ? JoinTexts({g_rootPath, path}) : RemoveLeadingText(path, g_rootPath));
    }
}

void SetDefaultColumnWidths()
{
    for (int column = 0; column < 3; ++column)
        SetColumnWidth(column, kDefaultColumnWidths[column]);
}
