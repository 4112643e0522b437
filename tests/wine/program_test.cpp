// Start-up and shutdown of the real program.
#include <thread>

#include "core/session.h"
#include "tests/support/wine_test.h"
#include "ui/main_window.h"
#include "ui/program.h"

namespace {

constexpr char kMainClass[] = "VelmoraMainWindow";

struct RunningProgram {
    PROCESS_INFORMATION process = {};

    bool Start()
    {
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        Text command = "\"" + ProgramExePath() + "\"";
        return CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &process) != FALSE;
    }

    // The visible main window of this process, or null.
    HWND FindMainWindow() const
    {
        HWND found = nullptr;
        for (HWND window = FindWindowExA(nullptr, nullptr, kMainClass, nullptr); window;
             window = FindWindowExA(nullptr, window, kMainClass, nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == process.dwProcessId && IsWindowVisible(window))
                found = window;
        }
        return found;
    }

    bool WaitForExit(int timeoutMs) const
    {
        return WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
    }

    ~RunningProgram()
    {
        if (process.hProcess) {
            if (!WaitForExit(0))
                TerminateProcess(process.hProcess, 99);
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
        }
    }
};

DWORD ExitCode(const RunningProgram& program)
{
    DWORD code = 12345;
    GetExitCodeProcess(program.process.hProcess, &code);
    return code;
}

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
            const HWND window = FindWindowA(kMainClass, "Velmora");
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
