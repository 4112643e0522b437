// Start-up and shutdown of the real program.
#include <thread>

#include "core/session.h"
#include "tests/support/running_program.h"
#include "tests/support/wine_test.h"
#include "ui/main_window.h"
#include "ui/program.h"

namespace {

void PressEsc(HWND window)
{
    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
}

void ClickCloseBox(HWND window)
{
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

struct CloseAction {
    const char* name;
    void (*close)(HWND);
};

class ProgramExit : public ::testing::TestWithParam<CloseAction> {};

}  // namespace

TEST_P(ProgramExit, ClosingTheMainWindowEndsTheProcessWithCodeZero)
{
    RunningProgram program;
    ASSERT_TRUE(program.Start());
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (window = program.FindMainWindow()) != nullptr; }, 30000));
    GetParam().close(window);
    ASSERT_TRUE(program.WaitForExit(30000));
    EXPECT_EQ(ExitCode(program), 0u);
}

INSTANTIATE_TEST_SUITE_P(Closing, ProgramExit,
                         ::testing::Values(CloseAction{"Esc", PressEsc}, CloseAction{"CloseBox", ClickCloseBox}),
                         [](const ::testing::TestParamInfo<CloseAction>& param) { return param.param.name; });

TEST(StartProgram, RunsUntilTheWindowClosesThenReleasesTheSessionOnce)
{
    std::thread closer([] {
        for (int i = 0; i < 3000; ++i) {
            const HWND window = FindWindowA(kMainWindowClass, "Velmora");
            if (window && IsWindowVisible(window)) {
                PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
                return;
            }
            Sleep(10);
        }
    });
    g_rootPath = "stale";
    const int result = StartProgram();
    closer.join();
    EXPECT_EQ(result, 0);
    EXPECT_EQ(MainWindow(), nullptr);
    EXPECT_TRUE(g_rootPath.empty());
    EXPECT_EQ(g_checkedPaths.capacity(), 0u);
    // The exit routine ran inside StartProgram and is not left to run again.
    EXPECT_FALSE(RunExitRoutine());
}

TEST_F(MainWindowTest, OpensCentredWithAFixedDialogFrame)
{
    char caption[64] = {};
    GetWindowTextA(window, caption, sizeof(caption));
    EXPECT_STREQ(caption, "Velmora");

    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.right - frame.left, 582);
    EXPECT_EQ(frame.bottom - frame.top, 512);
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 582) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 512) / 2);

    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetMenu(window), nullptr);
    EXPECT_EQ(GetClassLongPtrA(window, GCLP_HBRBACKGROUND), static_cast<LONG_PTR>(COLOR_BTNFACE + 1));
}

TEST_F(MainWindowTest, CannotBeResizedByItsBorder)
{
    RECT frame;
    GetWindowRect(window, &frame);
    const LPARAM bottomRight = MAKELPARAM(frame.right - 1, frame.bottom - 1);
    EXPECT_NE(SendMessageA(window, WM_NCHITTEST, 0, bottomRight), HTBOTTOMRIGHT);
    EXPECT_NE(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(frame.left, (frame.top + frame.bottom) / 2)),
              HTLEFT);
}
