#include "ui/main_window_layout.h"

#include <windows.h>
#include <commctrl.h>

#include "core/datetime.h"
#include "results/result_list.h"
#include "ui/control_table.h"
#include "ui/controls.h"
#include "ui/label.h"

namespace {

// The look's fields follow the two names in each row of the table.
struct ControlRow {
    ControlName name;
    ControlName container;  // kControlCount: the main window itself
    ControlLook look;
};

constexpr DWORD kCheckBox = BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER | WS_TABSTOP;
constexpr DWORD kSingleLineEdit = ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kMultiLineEdit = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_TABSTOP;
constexpr DWORD kSunken = WS_EX_CLIENTEDGE;
constexpr ControlName kWindow = kControlCount;
// The list keeps its rows in the program (owner data), so large results stay fast.
constexpr DWORD kResultListStyle = LVS_REPORT | LVS_OWNERDATA | LVS_NOSORTHEADER | WS_TABSTOP;

const ControlRow kControls[] = {
    {按钮_统计文件大小, kWindow, "BUTTON", "统计文件大小", 0, 299, 24, 86, kPushButton, 0, kGuiFont},
    {分组框_文件复制进度, kWindow, "BUTTON", "文件复制进度", 65, 427, 500, 50, BS_GROUPBOX | BS_LEFT, 0, kGuiFont},
    {进度条_复制进度, 分组框_文件复制进度, PROGRESS_CLASSA, "", 9, 18, 485, 20, 0, WS_EX_STATICEDGE, kGuiFont},
    {选择框_原目录结构, kWindow, "BUTTON", "原目录结构", 368, 85, 80, 24, kCheckBox, 0, kGuiFont},
    {标签_选中数, kWindow, kLabelClass, "选\r\n中\r\n0\r\n个", 0, 216, 24, 76, kLabelCentre | WS_BORDER, 0, kGuiFont},
    {按钮_删除选中, kWindow, "BUTTON", "删除选中", 236, 85, 60, 24, kPushButton, 0, kGuiFont},
    {按钮_拷贝文件, kWindow, "BUTTON", "拷贝文件", 304, 85, 60, 24, kPushButton, 0, kGuiFont},
    {按钮_选择, kWindow, "BUTTON", "选择", 0, 136, 24, 32, kPushButton, 0, kGuiFont},
    {按钮_反选, kWindow, "BUTTON", "反选", 0, 176, 24, 32, kPushButton, 0, kGuiFont},
    {按钮_全部删除, kWindow, "BUTTON", "删除全部", 168, 85, 60, 24, kPushButton, 0, kGuiFont},
    {按钮_默认列表宽度, kWindow, "BUTTON", "默认列宽", 100, 85, 60, 24, kPushButton, 0, kGuiFont},
    {超级列表框_显示结果, kWindow, WC_LISTVIEWA, "", 24, 112, 544, 308, kResultListStyle, kSunken, kGuiFont},
    {选择框_显示根目录, kWindow, "BUTTON", "显示根目录", 16, 85, 80, 24, kCheckBox, 0, kGuiFont},
    {编辑框_时间右, kWindow, "EDIT", "00:00:00", 401, 56, 60, 24, kSingleLineEdit | ES_CENTER, kSunken, kGuiFont},
    {日期框_右, kWindow, DATETIMEPICK_CLASSA, "", 296, 56, 106, 24, DTS_LONGDATEFORMAT | WS_TABSTOP, kSunken, kGuiFont},
    {标签_到, kWindow, kLabelClass, "到", 265, 56, 24, 24, kLabelLeft | kLabelOneLine, 0, kNormal16},
    {编辑框_时间左, kWindow, "EDIT", "00:00:00", 193, 56, 60, 24, kSingleLineEdit | ES_CENTER, kSunken, kGuiFont},
    {日期框_左, kWindow, DATETIMEPICK_CLASSA, "", 88, 56, 106, 24, DTS_LONGDATEFORMAT | WS_TABSTOP, kSunken, kGuiFont},
    {标签_类型, kWindow, kLabelClass, "类型：", 400, 12, 32, 32, kLabelLeft | kLabelOneLine, 0, kGuiFont},
    {编辑框_更多信息, kWindow, "EDIT", "", 64, 424, 504, 54, kMultiLineEdit | WS_VSCROLL | ES_READONLY | WS_BORDER, 0,
     kGuiFont},
    {标签_更多信息, kWindow, kLabelClass, "更多信息", 16, 432, 48, 48, kLabelLeft, 0, kBold20},
    {按钮_开始寻找, kWindow, "BUTTON", "开始寻找", 472, 48, 88, 32, kPushButton, 0, kBold16},
    {编辑框_文件类型, kWindow, "EDIT", "*.*", 432, 12, 128, 32, kSingleLineEdit | ES_CENTER, kSunken, kGuiFont},
    {按钮_选择路径, kWindow, "BUTTON", "...", 360, 12, 32, 32, kPushButton, 0, kBold14},
    {编辑框_寻找路径, kWindow, "EDIT", "", 48, 12, 312, 32, kMultiLineEdit, kSunken, kGuiFont},
    {标签_路径, kWindow, kLabelClass, "路径：", 16, 12, 40, 32, kLabelLeft | kLabelOneLine, 0, kGuiFont},
    {选择框_修改时间, kWindow, "BUTTON", "修改时间：", 16, 56, 80, 24, kCheckBox, 0, kGuiFont},
    {标签_文件数, kWindow, kLabelClass, "找到文件：0个\r\n耗时：0毫秒", 447, 85, 120, 24, kLabelRight, 0, kGuiFont},
};

bool IsSingleLineEdit(const ControlLook& look)
{
    return lstrcmpiA(look.className, "EDIT") == 0 && !(look.style & ES_MULTILINE);
}

// A one-line edit box lower than its text line plus the two edges is made that tall.
void EnsureEditHeight(HWND edit, HFONT font)
{
    const HDC dc = GetDC(edit);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(edit, dc);
    const int needed = metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE);
    RECT rect;
    GetWindowRect(edit, &rect);
    if (rect.bottom - rect.top < needed)
        SetWindowPos(edit, nullptr, 0, 0, rect.right - rect.left, needed,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The group box paints its whole area, so that it covers the controls under it.
LRESULT CALLBACK OpaqueGroupProc(HWND group, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(group, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    return DefSubclassProc(group, message, wParam, lParam);
}

HWND CreateControl(HWND window, const ControlRow& row)
{
    const HWND parent = row.container == kWindow ? window : Control(row.container);
    const HWND control = CreateChildControl(parent, kFirstControlId + row.name, row.look);
    if (IsSingleLineEdit(row.look))
        EnsureEditHeight(control, FontFor(row.look.font));
    return control;
}

// Settings that no creation style carries.
void ApplyStartingSettings()
{
    SetTicked(选择框_原目录结构, true);
    for (ControlName box : {编辑框_寻找路径, 编辑框_文件类型, 编辑框_更多信息})
        SendMessageA(Control(box), EM_LIMITTEXT, 0, 0);
    for (ControlName box : {编辑框_时间左, 编辑框_时间右})
        SendMessageA(Control(box), EM_LIMITTEXT, 8, 0);
    for (ControlName picker : {日期框_左, 日期框_右})
        SetDatePickerValue(picker, MakeDateTime(2000, 1, 1, 0, 0, 0));
    SetWindowSubclass(Control(分组框_文件复制进度), OpaqueGroupProc, 0, 0);
    SetupResultList(Control(超级列表框_显示结果));
}

}  // namespace

bool CreateMainWindowControls(HWND window)
{
    HWND above = HWND_TOP;
    for (const ControlRow& row : kControls) {
        const HWND control = CreateControl(window, row);
        if (!control)
            return false;
        SetControlWindow(row.name, control);
        if (row.container == kWindow)
            above = StackUnder(control, above);
    }
    ApplyStartingSettings();
    return true;
}
