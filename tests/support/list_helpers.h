// Driving the real result list in tests: rows, highlight, focus and clicks.
#pragma once

#include <initializer_list>
#include <vector>

#include <windows.h>

#include "core/text.h"

// Appends rows with the given column-0 texts.
void AddRows(std::initializer_list<Text> paths);
// Appends `count` rows named "row0", "row1", ...
void AddNumberedRows(int count);
// Highlights exactly these rows.
void HighlightRows(const std::vector<int>& rows);
void FocusRow(int row);
int FocusedRow();
std::vector<int> TickedRows();
std::vector<Text> Column0Texts();
// The same, sorted: for rows whose order the file system decides.
std::vector<Text> SortedColumn0Texts();
// A point of the list's client area on the row's check box.
POINT CheckBoxPoint(int row);
// A point on the row's text, away from its check box.
POINT RowTextPoint(int row);
// Posts a press and release of the left or right button at a point of the list, and runs them.
void ClickList(POINT point);
void RightClickList(POINT point);
void DoubleClickList(POINT point);
// The text of a column header.
Text ColumnTitle(int column);
int ColumnWidth(int column);
