// The modification-time range inputs: the switch 选择框_修改时间, the two
// date pickers and the two time boxes (hh:mm:ss), and the range bounds made
// from them.
#pragma once

#include "core/datetime.h"
#include "core/text.h"
#include "ui/controls.h"

// Result codes of ValidateTimeText.
constexpr int kTimeValid = 0;
constexpr int kTimeWrongLength = 1;
constexpr int kTimeWrongShape = 2;
constexpr int kTimeOutOfRange = 3;

void ApplyTimeFilterEnable();
// Mode 0 resets all four inputs, 1 and 2 the start and end day, 3 and 4 the
// start and end time.
void ResetRangeInputs(int mode);
int ValidateTimeText(const Text& text, const Text& separator);
DateTime ComposeBound(DateTime dateValue, const Text& timeText, const Text& separator);
// What happens when 编辑框_时间左 or 编辑框_时间右 loses the keyboard focus.
void CheckTimeBoxOnFocusLoss(ControlName box);
