#include "ui/modal_window.h"

#include "ui/dialogs.h"
#include "ui/message_loop.h"
#include "ui/program_windows.h"

namespace {

// A fixed dialog frame with the system menu and the close box only.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

bool RegisterModalWindowClass(const ModalWindowSetting& setting)
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExA(instance, setting.className, &windowClass))
        return true;
    windowClass.lpfnWndProc = setting.procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = setting.className;
    return RegisterClassExA(&windowClass) != 0;
}

HWND CreateModalWindow(const ModalWindowSetting& setting)
{
    if (!RegisterModalWindowClass(setting))
        return nullptr;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - setting.width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - setting.height) / 2;
    return CreateWindowExA(0, setting.className, setting.caption, kStyle, left, top, setting.width, setting.height,
                           nullptr, nullptr, GetModuleHandleA(nullptr), const_cast<ModalWindowSetting*>(&setting));
}

// Runs the window's messages until it is closed. A quit request ends the loop
// too and stays queued for the main loop.
void RunModalLoop(HWND window)
{
    bool closed = false;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&closed));
    MSG msg;
    while (!closed && IsWindow(window)) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0)
            PostQuitMessage(static_cast<int>(msg.wParam));
        if (got <= 0)
            break;
        HandleQueuedMessage(msg);
    }
    if (IsWindow(window))
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

}  // namespace

void OpenModalWindow(const ModalWindowSetting& setting)
{
    const HWND window = CreateModalWindow(setting);
    if (!window)
        return;
    // The other windows are disabled before this one joins them, and enabled
    // again before it goes, so that the window they had active gets the
    // activation back.
    ShellDialogGuard otherWindows;
    otherWindows.Enter();
    AddProgramWindow(window);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    RunModalLoop(window);
    otherWindows.Leave();
    DestroyWindow(window);
}

LRESULT CALLBACK ModalWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        const auto* setting = static_cast<const ModalWindowSetting*>(
            reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        return setting->createControls(window) ? 0 : -1;
    }
    case WM_CLOSE:
        if (bool* closed = reinterpret_cast<bool*>(GetWindowLongPtrA(window, GWLP_USERDATA)))
            *closed = true;
        return 0;
    case WM_DESTROY:
        RemoveProgramWindow(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
