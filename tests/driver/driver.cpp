// Drives a running Velmora from outside, through its windows only, as a
// person would: used by the screenshot script.
//   velmora_driver wait-window CAPTION [TIMEOUT_MS]   prints the window's rectangle
//   velmora_driver close CAPTION
//   velmora_driver press-esc CAPTION                  presses Esc in the window
//   velmora_driver choose-menu-item N    right-clicks the result list and chooses
//                                         the Nth command of its menu with the keys
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <windows.h>

namespace {

// A top-level window of the class (any when null) with the caption (any when null).
HWND WaitForVisibleWindow(const char* className, const char* caption, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        const HWND window = FindWindowA(className, caption);
        if (window && IsWindowVisible(window))
            return window;
        if (GetTickCount() - start >= timeoutMs)
            return nullptr;
        Sleep(50);
    }
}

int WaitWindow(const char* caption, DWORD timeoutMs)
{
    const HWND window = WaitForVisibleWindow(nullptr, caption, timeoutMs);
    if (!window) {
        std::fprintf(stderr, "no visible window \"%s\" after %lu ms\n", caption, timeoutMs);
        return 1;
    }
    RECT rect;
    GetWindowRect(window, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
    return 0;
}

// Another process cannot read a menu's texts under Wine, so the item is
// chosen as a person would with the keyboard: Down moves over the commands,
// skipping separators, and Enter chooses.
int ChooseMenuItem(int position)
{
    const HWND list = FindWindowExA(FindWindowA(nullptr, "Velmora"), nullptr, "SysListView32", nullptr);
    if (!list) {
        std::fprintf(stderr, "no result list\n");
        return 1;
    }
    const LPARAM point = MAKELPARAM(100, 100);
    PostMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, point);
    PostMessageA(list, WM_RBUTTONUP, 0, point);
    const HWND menu = WaitForVisibleWindow("#32768", nullptr, 10000);
    if (!menu) {
        std::fprintf(stderr, "no menu popped up\n");
        return 1;
    }
    for (int i = 0; i < position; ++i)
        PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
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
    if (argc >= 3 && std::strcmp(argv[1], "choose-menu-item") == 0)
        return ChooseMenuItem(std::atoi(argv[2]));
    std::fprintf(stderr, "usage: velmora_driver wait-window CAPTION [TIMEOUT_MS] | close CAPTION | "
                         "press-esc CAPTION | choose-menu-item N\n");
    return 2;
}
