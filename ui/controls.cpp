#include "ui/controls.h"

#include <algorithm>

#include <commctrl.h>


namespace {

HWND g_controls[kControlCount] = {};

// What the program last wrote to the progress bar, each kept within 0..32767.
struct ProgressValues {
    int minimum = 0;
    int maximum = 100;
    int position = 0;
};
ProgressValues g_progress;

constexpr int kProgressLimit = 32767;

int ClampToProgressLimit(int value)
{
    return std::clamp(value, 0, kProgressLimit);
}

void ApplyProgressValues()
{
    const HWND bar = Control(进度条_复制进度);
    const int low = std::min(g_progress.minimum, g_progress.maximum);
    const int high = std::max(g_progress.minimum, g_progress.maximum);
    g_progress.position = std::clamp(g_progress.position, low, high);
    SendMessageA(bar, PBM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
    SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(g_progress.position), 0);
}

SYSTEMTIME SystemTimeOf(DateTime value)
{
    const DateTimeParts parts = PartsOf(value);
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(parts.year);
    time.wMonth = static_cast<WORD>(parts.month);
    time.wDay = static_cast<WORD>(parts.day);
    time.wHour = static_cast<WORD>(parts.hour);
    time.wMinute = static_cast<WORD>(parts.minute);
    time.wSecond = static_cast<WORD>(parts.second);
    return time;
}

}  // namespace

HWND Control(ControlName name)
{
    return g_controls[name];
}

void SetControlWindow(ControlName name, HWND window)
{
    g_controls[name] = window;
    if (name == 进度条_复制进度)
        g_progress = ProgressValues();
}

void ForgetControls()
{
    std::fill(std::begin(g_controls), std::end(g_controls), nullptr);
}

Text WindowText(HWND window)
{
    Text text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

Text ControlText(ControlName name)
{
    return WindowText(Control(name));
}

void SetControlText(ControlName name, const Text& text)
{
    SetWindowTextA(Control(name), text.c_str());
}

bool IsTicked(ControlName name)
{
    return SendMessageA(Control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetTicked(ControlName name, bool ticked)
{
    SendMessageA(Control(name), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void EnableControl(ControlName name, bool enabled)
{
    EnableWindow(Control(name), enabled);
}

void ShowControl(ControlName name, bool visible)
{
    ShowWindow(Control(name), visible ? SW_SHOW : SW_HIDE);
}

DateTime DatePickerValue(ControlName name)
{
    SYSTEMTIME time = {};
    SendMessageA(Control(name), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return MakeDateTime(time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond);
}

void SetDatePickerValue(ControlName name, DateTime value)
{
    SYSTEMTIME time = SystemTimeOf(value);
    SendMessageA(Control(name), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

void SetProgressMaximum(int maximum)
{
    g_progress.maximum = ClampToProgressLimit(maximum);
    ApplyProgressValues();
}

void SetProgressPosition(int position)
{
    g_progress.position = ClampToProgressLimit(position);
    ApplyProgressValues();
}
