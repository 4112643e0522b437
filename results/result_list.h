// The result list 超级列表框_显示结果: one row per found file (path, time,
// size) with a check box. These operations are the only way the program
// touches it. Rows are addressed by their 0-based index in display order.
#pragma once

#include <vector>

#include <windows.h>

#include "core/text.h"

// Check states as CheckState reports them.
constexpr int kUnticked = 0;
constexpr int kTicked = 1;
constexpr int kNoSuchRow = -1;

// Columns, check-box pictures and event handling of the list the main window made.
void SetupResultList(HWND list);

int RowCount();
int AppendRow(const Text& path);
Text CellText(int row, int column = 0);
void SetCellText(int row, int column, const Text& text);
int CheckState(int row);
void SetCheckState(int row, int state);
std::vector<int> HighlightedRows();
int CurrentRow();
void DeleteRow(int row);
void DeleteAllRows();
void SetColumnWidth(int column, int width);

// The routines the main window binds to the list's four events.
struct ResultListEvents {
    void (*currentRowChanged)();
    void (*clicked)();
    void (*rightClicked)();
    void (*doubleClicked)();
};
void BindResultListEvents(const ResultListEvents& events);

// WM_NOTIFY from the list, passed on by the main window.
LRESULT OnResultListNotify(NMHDR* header);
