// The main window's controls by the names the window stores with them, and
// the few operations on them that the program's routines share.
#pragma once

#include <windows.h>

#include "core/datetime.h"
#include "core/text.h"

// In stacking order, from the top control to the bottom one.
enum ControlName : int {
    按钮_统计文件大小,
    分组框_文件复制进度,
    进度条_复制进度,
    选择框_原目录结构,
    标签_选中数,
    按钮_删除选中,
    按钮_拷贝文件,
    按钮_选择,
    按钮_反选,
    按钮_全部删除,
    按钮_默认列表宽度,
    超级列表框_显示结果,
    气球提示框1,
    选择框_显示根目录,
    编辑框_时间右,
    日期框_右,
    标签_到,
    编辑框_时间左,
    日期框_左,
    标签_类型,
    编辑框_更多信息,
    标签_更多信息,
    按钮_开始寻找,
    编辑框_文件类型,
    按钮_选择路径,
    编辑框_寻找路径,
    标签_路径,
    选择框_修改时间,
    标签_文件数,
    kControlCount
};

// The child-window identifier of each control is this base plus its name.
constexpr int kFirstControlId = 1000;

HWND Control(ControlName name);
void SetControlWindow(ControlName name, HWND window);
// Forgets every control: the window that held them is gone.
void ForgetControls();

// The caption or contents of any window.
Text WindowText(HWND window);
Text ControlText(ControlName name);
void SetControlText(ControlName name, const Text& text);
bool IsTicked(ControlName name);
void SetTicked(ControlName name, bool ticked);
void EnableControl(ControlName name, bool enabled);
void ShowControl(ControlName name, bool visible);

DateTime DatePickerValue(ControlName name);
void SetDatePickerValue(ControlName name, DateTime value);

// The copy progress bar keeps minimum, maximum and position within 0..32767.
void SetProgressMaximum(int maximum);
void SetProgressPosition(int position);
