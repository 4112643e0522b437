// Drives a running Velmora from outside, through its windows only, as a
// person would: used by the screenshot script.
//   velmora_driver wait-window CAPTION [TIMEOUT_MS]   prints the window's rectangle
//   velmora_driver close CAPTION
//   velmora_driver press-esc CAPTION                  presses Esc in the window
//   velmora_driver choose-menu-item N                 right-clicks the result list and
//                                                     chooses its Nth command with the keys
//   velmora_driver search FOLDER PATTERN              searches, answers the closing message,
//                                                     prints the number of rows
//   velmora_driver tick-rows ROW...                   clicks these rows' check boxes
//   velmora_driver open-menu                          right-clicks the first row; the menu stays
//   velmora_driver close-menu                         presses Esc in the open menu
//   velmora_driver point-at X Y                       prints the screen point at the middle of the
//                                                     control at X, Y of the main window
//   velmora_driver wait-tip                           waits until a tip shows, prints its rectangle
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <windows.h>
#include <commctrl.h>

#include "tests/driver/remote.h"

namespace {

constexpr DWORD kTimeoutMs = 30000;

struct Program {
    HWND window = nullptr;
    DWORD processId = 0;
    HANDLE process = nullptr;

    explicit Program(DWORD timeoutMs = kTimeoutMs)
    {
        WaitFor([&] { return (window = FindWindowA(nullptr, "Velmora")) != nullptr; }, timeoutMs);
        if (!window)
            return;
        GetWindowThreadProcessId(window, &processId);
        process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId);
    }
    ~Program()
    {
        if (process)
            CloseHandle(process);
    }
    HWND List() const { return ChildAt(window, 24, 112); }
};

int Fail(const char* what)
{
    std::fprintf(stderr, "velmora_driver: %s\n", what);
    return 1;
}

// A top-level window of the class (any when null) with the caption (any when null).
HWND WaitForVisibleWindow(const char* className, const char* caption, DWORD timeoutMs)
{
    HWND window = nullptr;
    WaitFor(
        [&] {
            window = FindWindowA(className, caption);
            return window && IsWindowVisible(window);
        },
        timeoutMs);
    return window && IsWindowVisible(window) ? window : nullptr;
}

// Prints the window's rectangle on the screen for the script that takes the picture.
int PrintRectangle(HWND window, const char* missing)
{
    if (!window)
        return Fail(missing);
    RECT rect;
    GetWindowRect(window, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
    return 0;
}

int WaitWindow(const char* caption, DWORD timeoutMs)
{
    return PrintRectangle(WaitForVisibleWindow(nullptr, caption, timeoutMs), "the window did not show");
}

int Close(const char* caption)
{
    const HWND window = FindWindowA(nullptr, caption);
    if (!window)
        return Fail("no such window");
    PostMessageA(window, WM_CLOSE, 0, 0);
    return 0;
}

int PressEsc(const char* caption)
{
    const HWND window = FindWindowA(nullptr, caption);
    if (!window)
        return Fail("no such window");
    PressKey(window, VK_ESCAPE);
    return 0;
}

HWND RightClickForMenu(const Program& program)
{
    RightClickList(program.List(), {100, 30});
    return WaitForVisibleWindow("#32768", nullptr, 10000);
}

// Another process cannot read a menu's texts under Wine, so the item is
// chosen as a person would with the keyboard: Down moves over the commands,
// skipping separators, and Enter chooses.
int ChooseMenuItem(int position)
{
    const Program program;
    const HWND menu = RightClickForMenu(program);
    if (!menu)
        return Fail("no menu popped up");
    for (int i = 0; i < position; ++i)
        PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    return 0;
}

int OpenMenu()
{
    const Program program;
    return RightClickForMenu(program) ? 0 : Fail("no menu popped up");
}

int CloseMenu()
{
    const HWND menu = FindWindowA("#32768", nullptr);
    if (!menu || !IsWindowVisible(menu))
        return Fail("no menu is open");
    PressKey(menu, VK_ESCAPE);
    return WaitFor([&] { return !IsWindowVisible(menu); }, kTimeoutMs) ? 0 : Fail("the menu stayed open");
}

int Search(const char* folder, const char* pattern)
{
    const Program program;
    if (!program.window)
        return Fail("Velmora is not running");
    SetText(ChildAt(program.window, 48, 12), folder);
    SetText(ChildAt(program.window, 432, 12), pattern);
    Press(ChildAt(program.window, 472, 48));
    const MessageBoxSeen closing = WaitForMessageBox(program.processId, kTimeoutMs);
    if (!closing.box)
        return Fail("the search showed no closing message");
    AnswerMessageBox(closing, IDOK, kTimeoutMs);
    std::printf("%d\n", ListRowCount(program.List()));
    return 0;
}

int TickRows(int count, char** rows)
{
    const Program program;
    for (int i = 0; i < count; ++i) {
        const int row = std::atoi(rows[i]);
        ClickListCheckBox(program.process, program.List(), row);
        if (!WaitFor([&] { return ListRowTicked(program.List(), row); }, kTimeoutMs))
            return Fail("a row's check box did not tick");
    }
    return 0;
}

int PointAt(int x, int y)
{
    const Program program;
    const HWND control = ChildAt(program.window, x, y);
    if (!control)
        return Fail("no control there");
    RECT rect;
    GetWindowRect(control, &rect);
    std::printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    return 0;
}

// A tip follows the real pointer, which only the display can move; the
// caller moves it there and waits here.
int WaitTip()
{
    const Program program;
    // The list, its header and the date pickers have hidden tip windows of their own.
    HWND tip = nullptr;
    WaitFor([&] { return (tip = FindTopWindow(program.processId, TOOLTIPS_CLASSA, nullptr)) != nullptr; }, 10000);
    return PrintRectangle(tip, "no tip showed");
}

}  // namespace

int main(int argc, char** argv)
{
    const auto is = [&](const char* command, int arguments) {
        return argc >= 2 + arguments && std::strcmp(argv[1], command) == 0;
    };
    if (is("wait-window", 1))
        return WaitWindow(argv[2], argc >= 4 ? std::strtoul(argv[3], nullptr, 10) : kTimeoutMs);
    if (is("close", 1))
        return Close(argv[2]);
    if (is("press-esc", 1))
        return PressEsc(argv[2]);
    if (is("choose-menu-item", 1))
        return ChooseMenuItem(std::atoi(argv[2]));
    if (is("search", 2))
        return Search(argv[2], argv[3]);
    if (is("tick-rows", 1))
        return TickRows(argc - 2, argv + 2);
    if (is("open-menu", 0))
        return OpenMenu();
    if (is("close-menu", 0))
        return CloseMenu();
    if (is("point-at", 2))
        return PointAt(std::atoi(argv[2]), std::atoi(argv[3]));
    if (is("wait-tip", 0))
        return WaitTip();
    std::fprintf(stderr, "usage: see the top of tests/driver/driver.cpp\n");
    return 2;
}
