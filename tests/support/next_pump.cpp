#include "tests/support/next_pump.h"

#include <deque>

#include <windows.h>

namespace {

constexpr UINT kRunAction = WM_APP + 17;
std::deque<std::function<void()>> g_actions;

LRESULT CALLBACK ActionWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != kRunAction)
        return DefWindowProcA(window, message, wParam, lParam);
    const std::function<void()> action = std::move(g_actions.front());
    g_actions.pop_front();
    action();
    return 0;
}

// A message-only window of the test thread that runs the queued actions.
HWND ActionWindow()
{
    static const HWND window = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = ActionWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "VelmoraTestActions";
        RegisterClassA(&windowClass);
        return CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               windowClass.hInstance, nullptr);
    }();
    return window;
}

}  // namespace

void RunAtNextPump(std::function<void()> action)
{
    g_actions.push_back(std::move(action));
    PostMessageA(ActionWindow(), kRunAction, 0, 0);
}
