#include "ui/main_window.h"

#include <windows.h>
#include <commctrl.h>

#include "copy/copy_command.h"
#include "results/checked_rows.h"
#include "results/result_list.h"
#include "results/row_details.h"
#include "search/search_command.h"
#include "search/time_range.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/hover_tips.h"
#include "ui/label.h"
#include "ui/list_menu.h"
#include "ui/main_window_layout.h"
#include "ui/program_windows.h"
#include "ui/resources/resource_ids.h"
#include "ui/stages.h"

namespace {

constexpr char kClassName[] = "VelmoraMainWindow";
constexpr int kWidth = 582;
constexpr int kHeight = 512;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

HWND g_mainWindow = nullptr;

// Which routine a notification of a control runs.
struct Binding {
    ControlName control;
    WORD notification;
    void (*routine)();
};

const Binding kBindings[] = {
    {按钮_开始寻找, BN_CLICKED, StartSearch},
    {按钮_选择路径, BN_CLICKED, ChooseSearchFolder},
    {选择框_修改时间, BN_CLICKED, ApplyTimeFilterEnable},
    {编辑框_时间左, EN_KILLFOCUS, [] { CheckTimeBoxOnFocusLoss(编辑框_时间左); }},
    {编辑框_时间右, EN_KILLFOCUS, [] { CheckTimeBoxOnFocusLoss(编辑框_时间右); }},
    {选择框_显示根目录, BN_CLICKED, ApplyRootDisplay},
    {按钮_默认列表宽度, BN_CLICKED, SetDefaultColumnWidths},
    {按钮_全部删除, BN_CLICKED, RemoveAllRows},
    {按钮_删除选中, BN_CLICKED, RemoveCheckedRows},
    {按钮_拷贝文件, BN_CLICKED, CopyCommand},
    {按钮_选择, BN_CLICKED, CheckHighlightedRows},
    {按钮_反选, BN_CLICKED, InvertCheckMarks},
    {按钮_统计文件大小, BN_CLICKED, ShowCheckedSizeTotal},
};

const ResultListEvents kResultListEvents = {
    [] { RefreshCheckedLabel(); },  // CurrentRowChanged
    ShowRowDetails,                 // ListClicked
    ShowListMenu,                   // ListRightClicked
    OpenRowLocation,                // ListDoubleClicked
};

void RunBinding(int controlId, WORD notification)
{
    for (const Binding& binding : kBindings)
        if (kFirstControlId + binding.control == controlId && binding.notification == notification)
            binding.routine();
}

void OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam)
        RunBinding(LOWORD(wParam), HIWORD(wParam));
    else if (HIWORD(wParam) == 0)
        RunListMenuCommand(LOWORD(wParam));
}

LRESULT OnNotify(NMHDR* header)
{
    if (header->hwndFrom == Control(超级列表框_显示结果))
        return OnResultListNotify(header);
    return 0;
}

// The details box is read-only but keeps black text on white.
LRESULT OnStaticColour(HDC dc, HWND control)
{
    if (control != Control(编辑框_更多信息))
        return 0;
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        g_mainWindow = window;
        AddProgramWindow(window);
        return CreateMainWindowControls(window) ? 0 : -1;
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_NOTIFY:
        return OnNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_NOTIFYFORMAT:
        return NFR_ANSI;
    case WM_CTLCOLORSTATIC:
        if (const LRESULT brush = OnStaticColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return brush;
        break;
    case WM_DESTROY:
        g_mainWindow = nullptr;
        ForgetControls();
        RemoveProgramWindow(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The program's icon at the size the system shows for a metric pair.
HICON LoadProgramIcon(HINSTANCE instance, int widthMetric, int heightMetric)
{
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_VELMORA), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric),
                                         LR_DEFAULTCOLOR));
}

bool RegisterMainWindowClass(HINSTANCE instance)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    // Registered once per process; the icons then live as long as the class.
    if (GetClassInfoExA(instance, kClassName, &windowClass))
        return true;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadProgramIcon(instance, SM_CXICON, SM_CYICON);
    windowClass.hIconSm = LoadProgramIcon(instance, SM_CXSMICON, SM_CYSMICON);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExA(&windowClass) != 0;
}

}  // namespace

HWND MainWindow()
{
    return g_mainWindow;
}

void OnMainWindowCreated()
{
    ResetForStage(kStageWindowCreated);
    AttachHoverTips();
    BindResultListEvents(kResultListEvents);
}

HWND LoadMainWindow()
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterMainWindowClass(instance) || !RegisterLabelClass(instance))
        return nullptr;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    const HWND window = CreateWindowExA(0, kClassName, "Velmora", kStyle, left, top, kWidth, kHeight, nullptr,
                                        nullptr, instance, nullptr);
    if (!window)
        return nullptr;
    OnMainWindowCreated();
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return window;
}
