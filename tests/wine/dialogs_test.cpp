// The dialog primitives in real windows: message boxes, the folder browser and
// the guard that makes it modal, the busy cursor, the message pump and focus.
#include <functional>
#include <memory>
#include <thread>

#include <windows.h>
#include <commctrl.h>

#include "tests/support/dialog_watcher.h"
#include "tests/support/wine_test.h"
#include "ui/dialog_seam.h"
#include "ui/dialogs.h"
#include "ui/program_windows.h"

namespace {

// ---- Test windows and the dialog watcher ------------------------------------

// A plain window that notes every message it gets. As a program window it
// is registered like the Help and About windows and leaves the registry when
// it is destroyed.
class TestWindow {
public:
    enum Kind { kOutsideWindow, kProgramWindow };

    explicit TestWindow(Kind kind = kOutsideWindow, HWND parent = nullptr,
                        DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE)
        : m_kind(kind)
    {
        static const bool registered = [] {
            WNDCLASSEXA windowClass = {};
            windowClass.cbSize = sizeof(windowClass);
            windowClass.lpfnWndProc = Procedure;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.hCursor = LoadCursorA(nullptr, IDC_HAND);
            windowClass.lpszClassName = kClassName;
            return RegisterClassExA(&windowClass) != 0;
        }();
        EXPECT_TRUE(registered);
        handle = CreateWindowExA(0, kClassName, "test", style, 100, 100, 200, 150, parent, nullptr,
                                 GetModuleHandleA(nullptr), this);
        EXPECT_NE(handle, nullptr);
        if (m_kind == kProgramWindow)
            AddProgramWindow(handle);
    }

    ~TestWindow()
    {
        if (IsWindow(handle))
            DestroyWindow(handle);
    }

    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    bool Saw(UINT message) const
    {
        for (UINT seen : messages)
            if (seen == message)
                return true;
        return false;
    }

    HWND handle = nullptr;
    std::vector<UINT> messages;

private:
    static constexpr char kClassName[] = "VelmoraTestWindow";

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self) {
            self->messages.push_back(message);
            if (message == WM_DESTROY && self->m_kind == kProgramWindow)
                RemoveProgramWindow(window);
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    Kind m_kind;
};

// Names each case of a table, in test names and in messages.
const auto CaseName = [](const auto& info) { return std::string(info.param.name); };

// ---- Message boxes through the seam -------------------------------------

struct StyleCase {
    const char* name;
    int style;
    UINT flagsPassed;
};

void PrintTo(const StyleCase& c, std::ostream* os)
{
    *os << c.name;
}

class MessageBoxFlags : public ::testing::TestWithParam<StyleCase> {};

TEST_P(MessageBoxFlags, AreTheStylePlusTaskModalUnlessSystemModal)
{
    DialogAnswers answers;
    ShowMessageBox("请选择有效的目的目录！", GetParam().style, "拷贝文件");
    ASSERT_EQ(answers.messageBoxes.size(), 1u);
    EXPECT_EQ(answers.messageBoxes[0].flags, GetParam().flagsPassed);
    EXPECT_EQ(answers.messageBoxes[0].owner, nullptr);
    EXPECT_EQ(answers.messageBoxes[0].text, "请选择有效的目的目录！");
    EXPECT_EQ(answers.messageBoxes[0].title, "拷贝文件");
}

INSTANTIATE_TEST_SUITE_P(Styles, MessageBoxFlags,
                         ::testing::Values(StyleCase{"Error", kStyleError, 0x2010},
                                           StyleCase{"Info", kStyleInfo, 0x2040},
                                           StyleCase{"InfoCancel", kStyleInfoCancel, 0x2041},
                                           StyleCase{"SystemModalError", MB_SYSTEMMODAL | MB_ICONERROR, 0x1010},
                                           StyleCase{"SystemModalOkCancel", MB_SYSTEMMODAL | MB_OKCANCEL, 0x1001}),
                         CaseName);

TEST(MessageBoxCodes, AreTheButtonIdMinusOneAndOkForAnythingElse)
{
    const struct {
        int win32Result;
        int code;
    } cases[] = {{IDOK, 0},      {IDCANCEL, 1}, {IDABORT, 2},   {IDRETRY, 3}, {IDIGNORE, 4}, {IDYES, 5},
                 {IDNO, 6},      {0, 0},        {IDCLOSE, 0},   {IDHELP, 0},  {IDTRYAGAIN, 0},
                 {IDCONTINUE, 0}, {-1, 0},      {32000, 0}};
    for (const auto& c : cases) {
        DialogAnswers answers;
        answers.AnswerMessageBox(c.win32Result);
        EXPECT_EQ(ShowMessageBox("text", kStyleInfoCancel, "title"), c.code) << "Win32 result " << c.win32Result;
    }
}

// ---- The real message box ------------------------------------------------

struct BoxAnswer {
    const char* name;
    int style;
    void (*answer)(HWND box);
    int code;
};

void PrintTo(const BoxAnswer& c, std::ostream* os)
{
    *os << c.name;
}

class RealMessageBox : public MainWindowTest, public ::testing::WithParamInterface<BoxAnswer> {};

TEST_P(RealMessageBox, ReturnsTheCodeOfTheAnswerAndBlocksTheMainWindowMeanwhile)
{
    Text caption, text;
    bool mainEnabledMeanwhile = true;
    DialogWatcher watcher([&](HWND box) {
        caption = WindowText(box);
        char buffer[512] = {};
        GetDlgItemTextA(box, 0xFFFF, buffer, sizeof(buffer));
        text = buffer;
        mainEnabledMeanwhile = IsWindowEnabled(window) != FALSE;
        GetParam().answer(box);
    });
    const int code = ShowMessageBox("要拷贝选中的文件吗？", GetParam().style, "拷贝文件");
    ASSERT_TRUE(watcher.Answered());
    EXPECT_EQ(code, GetParam().code);
    EXPECT_EQ(caption, "拷贝文件");
    EXPECT_EQ(text, "要拷贝选中的文件吗？");
    EXPECT_FALSE(mainEnabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(window));
}

// Esc on an OK-only box is left out: Wine answers it with IDCANCEL, Windows with IDOK.
INSTANTIATE_TEST_SUITE_P(
    Answers, RealMessageBox,
    ::testing::Values(BoxAnswer{"OkOnErrorBox", kStyleError, [](HWND box) { PressDialogButton(box, IDOK); }, 0},
                      BoxAnswer{"OkOnInfoBox", kStyleInfo, [](HWND box) { PressDialogButton(box, IDOK); }, 0},
                      BoxAnswer{"Ok", kStyleInfoCancel, [](HWND box) { PressDialogButton(box, IDOK); }, 0},
                      BoxAnswer{"Cancel", kStyleInfoCancel, [](HWND box) { PressDialogButton(box, IDCANCEL); },
                                kButtonCancel},
                      BoxAnswer{"Esc", kStyleInfoCancel,
                                [](HWND box) { PostMessageA(box, WM_KEYDOWN, VK_ESCAPE, 0x00010001); },
                                kButtonCancel},
                      BoxAnswer{"CloseBox", kStyleInfoCancel,
                                [](HWND box) { PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); }, kButtonCancel}),
    CaseName);

// ---- The folder browser through the seam ----------------------------------

struct BrowseCall {
    Text prompt;
    HWND owner;
    UINT flags;
    bool rootedAtDesktop;
    bool withoutCallback;
    bool nameBufferCleared;
    bool ownerEnabled;
};

// Stands in for the shell's folder browser: notes what it was given and
// returns the item list the test chose.
class FolderBrowserStandIn {
public:
    explicit FolderBrowserStandIn(std::function<PIDLIST_ABSOLUTE()> choose)
    {
        s_choose = std::move(choose);
        s_calls.clear();
        Dialogs().browseForFolder = Browse;
    }

    ~FolderBrowserStandIn() { Dialogs().browseForFolder = RealDialogs().browseForFolder; }

    FolderBrowserStandIn(const FolderBrowserStandIn&) = delete;
    FolderBrowserStandIn& operator=(const FolderBrowserStandIn&) = delete;

    static std::vector<BrowseCall> s_calls;

private:
    static PIDLIST_ABSOLUTE WINAPI Browse(LPBROWSEINFOA info)
    {
        s_calls.push_back({info->lpszTitle ? info->lpszTitle : "", info->hwndOwner, info->ulFlags,
                           info->pidlRoot == nullptr, info->lpfn == nullptr,
                           info->pszDisplayName && info->pszDisplayName[0] == '\0',
                           info->hwndOwner && IsWindowEnabled(info->hwndOwner)});
        return s_choose();
    }

    static std::function<PIDLIST_ABSOLUTE()> s_choose;
};

std::vector<BrowseCall> FolderBrowserStandIn::s_calls;
std::function<PIDLIST_ABSOLUTE()> FolderBrowserStandIn::s_choose;

PIDLIST_ABSOLUTE SpecialFolder(int csidl)
{
    PIDLIST_ABSOLUTE items = nullptr;
    EXPECT_EQ(SHGetSpecialFolderLocation(nullptr, csidl, &items), S_OK);
    return items;
}

struct BrowseAnswer {
    const char* name;
    // The shell's answer, given the scratch folder that holds a folder "资料".
    PIDLIST_ABSOLUTE (*choose)(const Text& scratch);
    Text (*expected)(const Text& scratch);
};

void PrintTo(const BrowseAnswer& c, std::ostream* os)
{
    *os << c.name;
}

class BrowseForFolderResult : public ::testing::TestWithParam<BrowseAnswer> {
protected:
    void SetUp() override { scratch.MakeFolder("资料"); }

    ScratchFolder scratch;
};

TEST_P(BrowseForFolderResult, IsTheChosenItemsFileSystemPathOrEmpty)
{
    FolderBrowserStandIn browser([&] { return GetParam().choose(scratch.Path()); });
    EXPECT_EQ(BrowseForFolder("请选择目录"), GetParam().expected(scratch.Path()));
    EXPECT_EQ(FolderBrowserStandIn::s_calls.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, BrowseForFolderResult,
    ::testing::Values(
        BrowseAnswer{"Folder", [](const Text& scratch) { return ILCreateFromPathA((scratch + "\\资料").c_str()); },
                     [](const Text& scratch) { return scratch + "\\资料"; }},
        BrowseAnswer{"FolderNamedWithBackslash",
                     [](const Text& scratch) { return ILCreateFromPathA((scratch + "\\资料\\").c_str()); },
                     [](const Text& scratch) { return scratch + "\\资料"; }},
        BrowseAnswer{"DriveRoot", [](const Text&) { return ILCreateFromPathA("C:\\"); },
                     [](const Text&) { return Text("C:\\"); }},
        BrowseAnswer{"Cancel", [](const Text&) -> PIDLIST_ABSOLUTE { return nullptr; },
                     [](const Text&) { return Text(); }},
        BrowseAnswer{"ControlPanel", [](const Text&) { return SpecialFolder(CSIDL_CONTROLS); },
                     [](const Text&) { return Text(); }},
        BrowseAnswer{"MyComputer", [](const Text&) { return SpecialFolder(CSIDL_DRIVES); },
                     [](const Text&) { return Text(); }}),
    CaseName);

class FolderBrowser : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        scratch.MakeFolder("资料");
        SetForegroundWindow(window);
        ASSERT_EQ(GetActiveWindow(), window);
    }

    ScratchFolder scratch;
};

TEST_F(FolderBrowser, GetsThePromptAnEditBoxAndTheActiveWindowAsOwnerWhileTheProgramIsDisabled)
{
    const Text chosen = scratch.Join("资料");
    FolderBrowserStandIn browser([&] { return ILCreateFromPathA(chosen.c_str()); });
    EXPECT_EQ(BrowseForFolder("请选择拷贝的目的目录"), chosen);

    ASSERT_EQ(FolderBrowserStandIn::s_calls.size(), 1u);
    const BrowseCall& call = FolderBrowserStandIn::s_calls[0];
    EXPECT_EQ(call.prompt, "请选择拷贝的目的目录");
    EXPECT_EQ(call.flags, static_cast<UINT>(BIF_EDITBOX));
    EXPECT_EQ(call.owner, window);
    EXPECT_TRUE(call.rootedAtDesktop);
    EXPECT_TRUE(call.withoutCallback);
    EXPECT_TRUE(call.nameBufferCleared);
    EXPECT_FALSE(call.ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(window));
    EXPECT_EQ(GetActiveWindow(), window);
}

TEST_F(FolderBrowser, RealDialogReturnsTheFolderChosenInIt)
{
    const Text chosen = scratch.Join("资料");
    TestWindow help(TestWindow::kProgramWindow);
    SetForegroundWindow(window);
    bool promptShown = false;
    bool mainEnabledMeanwhile = true;
    bool helpEnabledMeanwhile = true;
    bool selected = false;
    DialogWatcher watcher([&](HWND box) {
        mainEnabledMeanwhile = IsWindowEnabled(window) != FALSE;
        helpEnabledMeanwhile = IsWindowEnabled(help.handle) != FALSE;
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            promptShown = promptShown || WindowText(child) == "请选择拷贝的目的目录";
        selected = SelectFolder(box, chosen, "资料");
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    const Text result = BrowseForFolder("请选择拷贝的目的目录");
    ASSERT_TRUE(watcher.Answered());
    ASSERT_TRUE(selected);
    EXPECT_EQ(result, chosen);
    EXPECT_TRUE(promptShown);
    EXPECT_FALSE(mainEnabledMeanwhile);
    EXPECT_FALSE(helpEnabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(window));
    EXPECT_TRUE(IsWindowEnabled(help.handle));
    EXPECT_EQ(GetActiveWindow(), window);
}

// ---- ShellDialogGuard -----------------------------------------------------

class ShellDialogGuardTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        second = std::make_unique<TestWindow>(TestWindow::kProgramWindow);
        SetForegroundWindow(window);
        ASSERT_EQ(GetActiveWindow(), window);
    }

    void TearDown() override
    {
        second.reset();
        MainWindowTest::TearDown();
    }

    std::unique_ptr<TestWindow> second;
};

TEST_F(ShellDialogGuardTest, DisablesTheProgramWindowsAndPutsEverythingBack)
{
    EnableWindow(second->handle, FALSE);
    // Owned by the main window, so not a window of its own: left alone.
    TestWindow owned(TestWindow::kProgramWindow, window, WS_POPUP | WS_VISIBLE);
    SetForegroundWindow(window);

    ShellDialogGuard guard;
    EXPECT_EQ(guard.Enter(), window);
    EXPECT_FALSE(IsWindowEnabled(window));
    EXPECT_FALSE(IsWindowEnabled(second->handle));
    EXPECT_TRUE(IsWindowEnabled(owned.handle));

    // The shell dialog takes the activation while it is up.
    TestWindow shellDialog;
    SetForegroundWindow(shellDialog.handle);
    ASSERT_EQ(GetActiveWindow(), shellDialog.handle);

    guard.Leave();
    EXPECT_TRUE(IsWindowEnabled(window));
    EXPECT_FALSE(IsWindowEnabled(second->handle));
    EXPECT_TRUE(IsWindowEnabled(owned.handle));
    EXPECT_EQ(GetActiveWindow(), window);
    EXPECT_EQ(GetForegroundWindow(), window);
}

TEST_F(ShellDialogGuardTest, SkipsWindowsDestroyedWhileTheDialogWasUp)
{
    SetForegroundWindow(second->handle);
    ASSERT_EQ(GetActiveWindow(), second->handle);

    ShellDialogGuard guard;
    EXPECT_EQ(guard.Enter(), second->handle);
    DestroyWindow(second->handle);
    guard.Leave();

    EXPECT_TRUE(IsWindowEnabled(window));
    EXPECT_EQ(ProgramWindows(), std::vector<HWND>{window});
}

// ---- Busy cursor ----------------------------------------------------------

TEST(BusyCursor, ComesBackToTheCursorShownBeforeTheFirstBeginWithoutCounting)
{
    const HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
    const HCURSOR before = LoadCursorA(nullptr, IDC_CROSS);
    const HCURSOR other = LoadCursorA(nullptr, IDC_IBEAM);
    SetCursor(before);

    BeginBusyCursor();
    EXPECT_EQ(GetCursor(), wait);
    BeginBusyCursor();
    EXPECT_EQ(GetCursor(), wait);
    EndBusyCursor();
    EXPECT_EQ(GetCursor(), before);

    // A second End restores nothing: whatever shows now stays.
    SetCursor(other);
    EndBusyCursor();
    EXPECT_EQ(GetCursor(), other);

    // The next Begin remembers afresh.
    BeginBusyCursor();
    EXPECT_EQ(GetCursor(), wait);
    EndBusyCursor();
    EXPECT_EQ(GetCursor(), other);
}

TEST(BusyCursor, EndMovesThePointerOntoItselfSoTheWindowUnderItSetsItsCursor)
{
    TestWindow target;  // its class cursor is the hand
    SetForegroundWindow(target.handle);
    RECT frame;
    GetWindowRect(target.handle, &frame);
    SetCursorPos((frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2);
    ASSERT_TRUE(WaitUntil([&] { return target.Saw(WM_MOUSEMOVE); }));
    target.messages.clear();

    const HCURSOR before = LoadCursorA(nullptr, IDC_CROSS);
    SetCursor(before);
    BeginBusyCursor();
    EndBusyCursor();
    EXPECT_EQ(GetCursor(), before);
    EXPECT_TRUE(WaitUntil([&] { return target.Saw(WM_MOUSEMOVE); }, 3000));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
}

// ---- Message pump -----------------------------------------------------------

struct QueuedMessage {
    const char* name;
    void (*queue)(HWND window);
    UINT handled;
};

void PrintTo(const QueuedMessage& c, std::ostream* os)
{
    *os << c.name;
}

class PumpPendingMessagesRuns : public ::testing::TestWithParam<QueuedMessage> {};

TEST_P(PumpPendingMessagesRuns, EveryKindOfWaitingMessage)
{
    TestWindow target;
    DrainMessages();
    target.messages.clear();

    GetParam().queue(target.handle);
    PumpPendingMessages();
    EXPECT_TRUE(target.Saw(GetParam().handled));
    MSG left;
    EXPECT_FALSE(PeekMessageA(&left, nullptr, 0, 0, PM_NOREMOVE)) << "message " << left.message << " left";
}

INSTANTIATE_TEST_SUITE_P(
    Messages, PumpPendingMessagesRuns,
    ::testing::Values(
        QueuedMessage{"Command", [](HWND window) { PostMessageA(window, WM_COMMAND, 1001, 0); }, WM_COMMAND},
        QueuedMessage{"Private", [](HWND window) { PostMessageA(window, WM_APP + 3, 0, 0); }, WM_APP + 3},
        QueuedMessage{"Paint", [](HWND window) { InvalidateRect(window, nullptr, TRUE); }, WM_PAINT},
        // Translated as in the main loop: the key becomes a character.
        QueuedMessage{"Key", [](HWND window) { PostMessageA(window, WM_KEYDOWN, 'A', 0x001E0001); }, WM_CHAR}),
    CaseName);

TEST(PumpPendingMessages, LeavesAWaitingQuitMessageForTheMainLoop)
{
    TestWindow target;
    DrainMessages();
    PostQuitMessage(7);
    PumpPendingMessages();
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 7u);
}

TEST(PumpPendingMessages, RunsWhatWasPostedBeforeTheQuitMessageAndStopsThere)
{
    TestWindow target;
    DrainMessages();
    PostMessageA(target.handle, WM_APP, 0, 0);
    PostQuitMessage(0);
    PumpPendingMessages();
    EXPECT_TRUE(target.Saw(WM_APP));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
}

TEST_F(MainWindowTest, PumpPendingMessagesLetsEscCloseTheProgramWindowAsTheMainLoopDoes)
{
    DrainMessages();
    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PumpPendingMessages();
    EXPECT_FALSE(IsWindow(window));
    // The last program window is gone: the quit message waits for the main loop.
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
}

// ---- Focus ----------------------------------------------------------------------

TEST_F(MainWindowTest, FocusControlMovesTheFocusAtOnce)
{
    TestWindow first(TestWindow::kOutsideWindow, window, WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    TestWindow second(TestWindow::kOutsideWindow, window, WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    SetForegroundWindow(window);
    SetFocus(first.handle);
    ASSERT_EQ(GetFocus(), first.handle);
    first.messages.clear();

    FocusControl(window, second.handle);
    EXPECT_EQ(GetFocus(), second.handle);
    EXPECT_TRUE(first.Saw(WM_KILLFOCUS));
    EXPECT_TRUE(second.Saw(WM_SETFOCUS));
}

}  // namespace
