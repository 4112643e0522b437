// Drives a running Velmora from outside, through its windows only, as a
// person would: used by the screenshot script.
//   velmora_driver wait-window CAPTION [TIMEOUT_MS]   prints the window's rectangle
//   velmora_driver close CAPTION
//   velmora_driver press-esc CAPTION                  presses Esc in the window
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <windows.h>

namespace {

HWND WaitForVisibleWindow(const char* caption, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        const HWND window = FindWindowA(nullptr, caption);
        if (window && IsWindowVisible(window))
            return window;
        if (GetTickCount() - start >= timeoutMs)
            return nullptr;
        Sleep(50);
    }
}

int WaitWindow(const char* caption, DWORD timeoutMs)
{
    const HWND window = WaitForVisibleWindow(caption, timeoutMs);
    if (!window) {
        std::fprintf(stderr, "no visible window \"%s\" after %lu ms\n", caption, timeoutMs);
        return 1;
    }
    RECT rect;
    GetWindowRect(window, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
    return 0;
}

int Close(const char* caption)
{
    const HWND window = FindWindowA(nullptr, caption);
    if (!window)
        return 1;
    PostMessageA(window, WM_CLOSE, 0, 0);
    return 0;
}

int PressEsc(const char* caption)
{
    const HWND window = FindWindowA(nullptr, caption);
    if (!window)
        return 1;
    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(window, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "wait-window") == 0)
        return WaitWindow(argv[2], argc >= 4 ? std::strtoul(argv[3], nullptr, 10) : 30000);
    if (argc >= 3 && std::strcmp(argv[1], "close") == 0)
        return Close(argv[2]);
    if (argc >= 3 && std::strcmp(argv[1], "press-esc") == 0)
        return PressEsc(argv[2]);
    std::fprintf(stderr, "usage: velmora_driver wait-window CAPTION [TIMEOUT_MS] | close CAPTION | press-esc CAPTION\n");
    return 2;
}
