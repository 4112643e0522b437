#include "ui/message_loop.h"

#include "ui/program_windows.h"

namespace {

// The program window that a message's target belongs to, or null.
HWND ProgramWindowOf(HWND target)
{
    if (!target)
        return nullptr;
    const HWND root = GetAncestor(target, GA_ROOT);
    for (HWND window : ProgramWindows())
        if (window == root)
            return root;
    return nullptr;
}

// Esc anywhere in a program window closes that window; Tab moves between its
// controls. Returns true when the message has been handled here.
bool PreTranslateProgramMessage(MSG& msg)
{
    const HWND window = ProgramWindowOf(msg.hwnd);
    if (!window)
        return false;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
        SendMessageA(window, WM_CLOSE, 0, 0);
        return true;
    }
    return IsDialogMessageA(window, &msg) != FALSE;
}

}  // namespace

void HandleQueuedMessage(MSG& msg)
{
    if (PreTranslateProgramMessage(msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

int RunMessageLoop()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        HandleQueuedMessage(msg);
    return static_cast<int>(msg.wParam);
}
