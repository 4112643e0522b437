// What the Help and About windows share: the frame, centred on the screen,
// opened from the context menu, modal to the main window, closed by Esc.
#include <algorithm>

#include <windows.h>

#include "tests/support/window_helpers.h"
#include "tests/support/wine_test.h"
#include "ui/about_window.h"
#include "ui/help_window.h"
#include "ui/list_menu.h"
#include "ui/main_window.h"
#include "ui/program_windows.h"

namespace {

struct ModalWindow {
    const char* caption;
    void (*open)();
    int width, height;
    void (*openFromMenu)();
};

const ModalWindow kWindows[] = {
    {"帮助信息", OpenHelpWindow, 500, 400, [] { RunListMenuCommand(kFirstMenuId + 10); }},
    {"关于", OpenAboutWindow, 281, 228, [] { RunListMenuCommand(kFirstMenuId + 11); }},
};

void RequestClose(HWND window)
{
    PostMessageA(window, WM_CLOSE, 0, 0);
}

bool IsProgramWindow(HWND window)
{
    const std::vector<HWND>& windows = ProgramWindows();
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

}  // namespace

TEST_F(MainWindowTest, ModalWindowsHaveAFixedFrameCentredOnTheScreen)
{
    for (const ModalWindow& modal : kWindows) {
        SCOPED_TRACE(modal.caption);
        WhileWindowOpen(modal.open, modal.caption, [&](HWND shown) {
            RECT rect;
            GetWindowRect(shown, &rect);
            EXPECT_EQ(rect.right - rect.left, modal.width);
            EXPECT_EQ(rect.bottom - rect.top, modal.height);
            EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - modal.width) / 2);
            EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - modal.height) / 2);
            const LONG_PTR style = GetWindowLongPtrA(shown, GWL_STYLE);
            EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
            EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD));
            EXPECT_FALSE(GetWindowLongPtrA(shown, GWL_EXSTYLE) & WS_EX_TOPMOST);
            EXPECT_EQ(GetWindow(shown, GW_OWNER), nullptr);
            EXPECT_EQ(GetMenu(shown), nullptr);
            EXPECT_EQ(GetClassLongPtrA(shown, GCLP_HBRBACKGROUND), static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));
            RequestClose(shown);
        });
    }
}

TEST_F(MainWindowTest, TheMenuOpensAModalWindowThatDisablesTheMainWindowUntilItCloses)
{
    for (const ModalWindow& modal : kWindows) {
        SCOPED_TRACE(modal.caption);
        HWND seen = nullptr;
        WhileWindowOpen(modal.openFromMenu, modal.caption, [&](HWND shown) {
            seen = shown;
            EXPECT_FALSE(IsWindowEnabled(window));
            EXPECT_TRUE(IsWindowEnabled(shown));
            EXPECT_TRUE(IsProgramWindow(shown));
            EXPECT_EQ(GetActiveWindow(), shown);
            RequestClose(shown);
        });
        EXPECT_FALSE(IsWindow(seen));
        EXPECT_FALSE(IsProgramWindow(seen));
        EXPECT_TRUE(IsWindowEnabled(window));
        EXPECT_EQ(GetActiveWindow(), window);
        // Closing a modal window leaves the main window: the program goes on.
        MSG quit;
        EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    }
}

TEST_F(MainWindowTest, AMainWindowThatWasDisabledStaysDisabledAfterAModalWindow)
{
    EnableWindow(window, FALSE);
    for (const ModalWindow& modal : kWindows) {
        SCOPED_TRACE(modal.caption);
        WhileWindowOpen(modal.open, modal.caption, RequestClose);
        EXPECT_FALSE(IsWindowEnabled(window));
    }
}

TEST_F(MainWindowTest, EscTheCloseBoxAndTheSystemMenuCloseAModalWindow)
{
    const std::pair<const char*, void (*)(HWND)> closers[] = {
        {"Esc", [](HWND shown) {
             const HWND focus = GetFocus();
             PostMessageA(focus && GetAncestor(focus, GA_ROOT) == shown ? focus : shown, WM_KEYDOWN, VK_ESCAPE, 0);
         }},
        {"close box", [](HWND shown) { PostMessageA(shown, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const ModalWindow& modal : kWindows) {
        for (const auto& [how, close] : closers) {
            SCOPED_TRACE(std::string(modal.caption) + ", " + how);
            // The helper fails the test when the window is still open after a while.
            WhileWindowOpen(modal.open, modal.caption, close);
            EXPECT_TRUE(IsWindowEnabled(window));
        }
    }
}
