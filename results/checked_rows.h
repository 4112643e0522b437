// Check marks, the two count labels and the row commands of the result list.
#pragma once

#include "core/text.h"

Text RowFullPath(int row);
// The caption of 标签_选中数 for a number of ticked rows.
Text CheckedLabelCaption(int count);
void CollectCheckedRows();
int RefreshCheckedLabel();
int RefreshFoundLabel();
void RemoveAllRows();
void RemoveCheckedRows();
void CheckHighlightedRows();
void InvertCheckMarks();
void ApplyRootDisplay();
void SetDefaultColumnWidths();
