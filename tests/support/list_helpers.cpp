#include "tests/support/list_helpers.h"

#include <algorithm>

#include <windows.h>
#include <commctrl.h>

#include "results/result_list.h"
#include "tests/support/wine_test.h"
#include "ui/controls.h"

namespace {

HWND List()
{
    return Control(超级列表框_显示结果);
}

void SetRowState(int row, UINT state, UINT mask)
{
    LVITEMA item = {};
    item.state = state;
    item.stateMask = mask;
    SendMessageA(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

RECT RowBounds(int row)
{
    RECT bounds = {};
    bounds.left = LVIR_BOUNDS;
    SendMessageA(List(), LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds));
    return bounds;
}

UINT HitFlags(POINT point, int* row)
{
    LVHITTESTINFO hit = {};
    hit.pt = point;
    *row = static_cast<int>(SendMessageA(List(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return hit.flags;
}

void PostButton(UINT down, UINT up, POINT point, WPARAM keys)
{
    const LPARAM position = MAKELPARAM(point.x, point.y);
    PostMessageA(List(), down, keys, position);
    PostMessageA(List(), up, 0, position);
    DrainMessages();
}

}  // namespace

void AddRows(std::initializer_list<Text> paths)
{
    for (const Text& path : paths)
        AppendRow(path);
}

void AddNumberedRows(int count)
{
    for (int i = 0; i < count; ++i)
        AppendRow("row" + std::to_string(i));
}

void HighlightRows(const std::vector<int>& rows)
{
    SetRowState(-1, 0, LVIS_SELECTED);
    for (int row : rows)
        SetRowState(row, LVIS_SELECTED, LVIS_SELECTED);
}

void FocusRow(int row)
{
    SetRowState(row, LVIS_FOCUSED, LVIS_FOCUSED);
}

int FocusedRow()
{
    return static_cast<int>(SendMessageA(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

std::vector<int> TickedRows()
{
    std::vector<int> rows;
    for (int row = 0; row < RowCount(); ++row)
        if (CheckState(row) == kTicked)
            rows.push_back(row);
    return rows;
}

std::vector<Text> Column0Texts()
{
    std::vector<Text> texts;
    for (int row = 0; row < RowCount(); ++row)
        texts.push_back(CellText(row, 0));
    return texts;
}

std::vector<Text> SortedColumn0Texts()
{
    std::vector<Text> texts = Column0Texts();
    std::sort(texts.begin(), texts.end());
    return texts;
}

POINT CheckBoxPoint(int row)
{
    const RECT bounds = RowBounds(row);
    const LONG middle = (bounds.top + bounds.bottom) / 2;
    for (LONG x = bounds.left; x < bounds.left + 64; ++x) {
        int hitRow = -1;
        if ((HitFlags({x, middle}, &hitRow) & LVHT_ONITEMSTATEICON) && hitRow == row)
            return {x + 3, middle};
    }
    ADD_FAILURE() << "no check box found on row " << row;
    return {bounds.left, middle};
}

POINT RowTextPoint(int row)
{
    const RECT bounds = RowBounds(row);
    return {bounds.left + 120, (bounds.top + bounds.bottom) / 2};
}

void ClickList(POINT point)
{
    PostButton(WM_LBUTTONDOWN, WM_LBUTTONUP, point, MK_LBUTTON);
}

void RightClickList(POINT point)
{
    PostButton(WM_RBUTTONDOWN, WM_RBUTTONUP, point, MK_RBUTTON);
}

void DoubleClickList(POINT point)
{
    ClickList(point);
    PostButton(WM_LBUTTONDBLCLK, WM_LBUTTONUP, point, MK_LBUTTON);
}

Text ColumnTitle(int column)
{
    char title[64] = {};
    LVCOLUMNA setting = {};
    setting.mask = LVCF_TEXT;
    setting.pszText = title;
    setting.cchTextMax = sizeof(title);
    SendMessageA(List(), LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&setting));
    return title;
}

int ColumnWidth(int column)
{
    return static_cast<int>(SendMessageA(List(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}
