#include "ui/main_window.h"

#include "ui/program_windows.h"
#include "ui/resources/resource_ids.h"

namespace {

constexpr char kClassName[] = "VelmoraMainWindow";
constexpr int kWidth = 582;
constexpr int kHeight = 512;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

HWND g_mainWindow = nullptr;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        g_mainWindow = window;
        AddProgramWindow(window);
        return 0;
    case WM_DESTROY:
        g_mainWindow = nullptr;
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
}

HWND LoadMainWindow()
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterMainWindowClass(instance))
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
