// The whole program driven as a user drives it: a separate Velmora process,
// reached only through its windows. A search with a pattern and a time range,
// ticking rows with the mouse, copying keeping the folders and then flat,
// the Help and About windows from the context menu, and Esc to end.
#include <fstream>

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include "tests/driver/remote.h"
#include "tests/support/file_tree.h"

namespace {

constexpr DWORD kTimeoutMs = 30000;

// Where the controls stand in the main window's client area.
constexpr POINT kPathBox = {48, 12};
constexpr POINT kPatternBox = {432, 12};
constexpr POINT kSearchButton = {472, 48};
constexpr POINT kTimeFilter = {16, 56};
constexpr POINT kStartDate = {88, 56};
constexpr POINT kEndDate = {296, 56};
constexpr POINT kKeepFolders = {368, 85};
constexpr POINT kCopyButton = {304, 85};
constexpr POINT kFoundLabel = {447, 85};
constexpr POINT kList = {24, 112};

Bytes TempFolder()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    return Bytes(temp) + "velmora-e2e-" + std::to_string(GetCurrentProcessId());
}

// Makes the file with its contents and local last-write time.
void MakeFile(const Bytes& path, const Bytes& contents, const SYSTEMTIME& localTime)
{
    for (size_t slash = path.find('\\', 3); slash != Bytes::npos; slash = path.find('\\', slash + 1))
        CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    FILETIME local, utc;
    SystemTimeToFileTime(&localTime, &local);
    LocalFileTimeToFileTime(&local, &utc);
    SetFileTime(file, nullptr, nullptr, &utc);
    CloseHandle(file);
}

SYSTEMTIME At(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME time = {};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    time.wSecond = second;
    return time;
}

bool StartsWith(const Bytes& text, const Bytes& start)
{
    return text.compare(0, start.size(), start) == 0;
}

Bytes ProgramPath()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const Bytes self = path;
    return self.substr(0, self.rfind('\\') + 1) + "Velmora.exe";
}

// When a check fails, the window is left as it stands while the test command
// takes a picture of the screen: the test writes "failed" into the folder
// named by VELMORA_E2E_SHOTS and waits a little for "shot" to appear.
class ScreenshotOnFailure : public testing::EmptyTestEventListener {
    void OnTestPartResult(const testing::TestPartResult& result) override
    {
        char folder[MAX_PATH] = {};
        if (!result.failed() || m_taken || !GetEnvironmentVariableA("VELMORA_E2E_SHOTS", folder, MAX_PATH))
            return;
        m_taken = true;
        std::ofstream(Bytes(folder) + "\\failed") << result.message();
        const Bytes shot = Bytes(folder) + "\\shot";
        WaitFor([&] { return GetFileAttributesA(shot.c_str()) != INVALID_FILE_ATTRIBUTES; }, 15000);
    }
    bool m_taken = false;
};

class EndToEnd : public testing::Test {
protected:
    void SetUp() override
    {
        m_root = TempFolder();
        RemoveTree(m_root);
        CreateDirectoryA(m_root.c_str(), nullptr);
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        Bytes command = "\"" + ProgramPath() + "\"";
        ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                   &m_program));
        const Bytes caption = "Velmora";
        ASSERT_TRUE(WaitFor([&] { return (m_main = FindTopWindow(m_program.dwProcessId, nullptr, &caption)); },
                            kTimeoutMs))
            << "Velmora showed no main window";
    }

    void TearDown() override
    {
        if (WaitForSingleObject(m_program.hProcess, 0) != WAIT_OBJECT_0)
            TerminateProcess(m_program.hProcess, 99);
        CloseHandle(m_program.hProcess);
        CloseHandle(m_program.hThread);
        RemoveTree(m_root);
    }

    HWND Control(POINT where) const
    {
        const HWND control = ChildAt(m_main, where.x, where.y);
        EXPECT_NE(control, nullptr) << "no control at " << where.x << "," << where.y;
        return control;
    }

    void SetDate(POINT picker, const SYSTEMTIME& date) const
    {
        RemoteBuffer remote(m_program.hProcess, sizeof(SYSTEMTIME));
        remote.Write(&date, sizeof(date));
        SendMessageA(Control(picker), DTM_SETSYSTEMTIME, GDT_VALID, remote.Param());
    }

    // Waits for a message box, checks its title and the start of its text,
    // presses the button and returns the whole text.
    Bytes Answer(const Bytes& title, const Bytes& textStart, int button = IDOK) const
    {
        const MessageBoxSeen box = WaitForMessageBox(m_program.dwProcessId, kTimeoutMs);
        EXPECT_NE(box.box, nullptr) << "no message box titled " << title;
        if (!box.box)
            return Bytes();
        EXPECT_EQ(box.title, title);
        EXPECT_TRUE(StartsWith(box.text, textStart)) << box.text;
        EXPECT_TRUE(AnswerMessageBox(box, button, kTimeoutMs));
        return box.text;
    }

    HWND WaitForWindow(const Bytes& caption) const
    {
        HWND window = nullptr;
        WaitFor([&] { return (window = FindTopWindow(m_program.dwProcessId, nullptr, &caption)) != nullptr; },
                kTimeoutMs);
        return window;
    }

    // Copies the ticked rows into the folder, answering the folder browser,
    // the confirmation and the report; returns the report's text.
    Bytes CopyTickedRowsTo(const Bytes& destination, int count) const
    {
        CreateDirectoryA(destination.c_str(), nullptr);
        Press(Control(kCopyButton));
        HWND browser = nullptr;
        WaitFor(
            [&] {
                browser = FindTopWindow(m_program.dwProcessId, "#32770", nullptr);
                return browser && FindWindowExA(browser, nullptr, WC_TREEVIEWA, nullptr);
            },
            kTimeoutMs);
        EXPECT_TRUE(browser && ChooseFolderInBrowser(m_program.hProcess, browser, destination))
            << "the folder browser did not take " << destination;
        const Bytes question =
            Answer("确认信息：", "是否将选中的" + std::to_string(count) + "个文件复制到\r\n" + destination);
        EXPECT_EQ(question, "是否将选中的" + std::to_string(count) + "个文件复制到\r\n" + destination);
        return Answer("信息：", "成功复制：" + std::to_string(count) + " 个文件！\r\n复制文件大小约为：");
    }

    // Opens a window from the list's context menu: its command's place among
    // the menu's commands, counted from the last one up.
    HWND OpenFromMenu(int placeFromEnd, const Bytes& caption) const
    {
        RightClickList(Control(kList), {200, 200});
        HWND menu = nullptr;
        WaitFor([&] { return (menu = FindTopWindow(m_program.dwProcessId, "#32768", nullptr)) != nullptr; },
                kTimeoutMs);
        EXPECT_NE(menu, nullptr) << "no context menu popped up";
        for (int i = 0; i < placeFromEnd; ++i)
            PressKey(menu, VK_UP);
        PressKey(menu, VK_RETURN);
        return WaitForWindow(caption);
    }

    void CloseWithEsc(HWND window) const
    {
        PressKey(window, VK_ESCAPE);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(window); }, kTimeoutMs)) << WindowText(window) << " stayed open";
    }

    void EndProgramWithEsc() const
    {
        PressKey(m_main, VK_ESCAPE);
        ASSERT_EQ(WaitForSingleObject(m_program.hProcess, kTimeoutMs), WAIT_OBJECT_0) << "Velmora did not end";
        DWORD code = 1;
        GetExitCodeProcess(m_program.hProcess, &code);
        EXPECT_EQ(code, 0u);
    }

    Bytes m_root;
    PROCESS_INFORMATION m_program = {};
    HWND m_main = nullptr;
};

}  // namespace

TEST_F(EndToEnd, SearchesTicksAndCopiesKeepingFoldersThenFlat)
{
    const Bytes source = m_root + "\\资料";
    MakeFile(source + "\\报告.txt", "annual report", At(2013, 7, 27, 10, 0, 0));
    MakeFile(source + "\\sub\\俓表.txt", "table", At(2013, 7, 27, 23, 59, 59));
    MakeFile(source + "\\sub\\deep\\early.txt", "too early", At(2013, 7, 26, 23, 59, 59));
    MakeFile(source + "\\sub\\deep\\late.txt", "too late", At(2013, 7, 28, 0, 0, 0));
    MakeFile(source + "\\notes.log", "other pattern", At(2013, 7, 27, 12, 0, 0));

    SetText(Control(kPathBox), source);
    SetText(Control(kPatternBox), "*.txt");
    Press(Control(kTimeFilter));
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(Control(kStartDate)) != FALSE; }, kTimeoutMs));
    SetDate(kStartDate, At(2013, 7, 27, 0, 0, 0));
    SetDate(kEndDate, At(2013, 7, 27, 0, 0, 0));
    Press(Control(kSearchButton));
    const Bytes closing = Answer("寻找结果", "成功寻找到文件：2 个\r\n任务总耗时：");
    ASSERT_GT(closing.size(), 4u);
    EXPECT_EQ(closing.substr(closing.size() - 4), "毫秒");

    const HWND list = Control(kList);
    ASSERT_EQ(ListRowCount(list), 2);
    EXPECT_EQ(ListCell(m_program.hProcess, list, 0, 0), "报告.txt");
    EXPECT_EQ(ListCell(m_program.hProcess, list, 0, 1), "2013-07-27 10:00:00");
    EXPECT_EQ(ListCell(m_program.hProcess, list, 0, 2), "13 B");
    EXPECT_EQ(ListCell(m_program.hProcess, list, 1, 0), "sub\\俓表.txt");
    EXPECT_EQ(ListCell(m_program.hProcess, list, 1, 1), "2013-07-27 23:59:59");
    EXPECT_TRUE(StartsWith(WindowText(Control(kFoundLabel)), "找到文件：2个\r\n耗时："));

    for (int row : {0, 1}) {
        ClickListCheckBox(m_program.hProcess, list, row);
        EXPECT_TRUE(WaitFor([&] { return ListRowTicked(list, row); }, kTimeoutMs)) << "row " << row << " not ticked";
    }

    ASSERT_TRUE(IsChecked(Control(kKeepFolders)));
    const Bytes report = CopyTickedRowsTo(m_root + "\\keep", 2);
    EXPECT_TRUE(StartsWith(report, "成功复制：2 个文件！\r\n复制文件大小约为：18 B\r\n复制文件耗时：")) << report;
    ASSERT_GT(report.size(), 5u);
    EXPECT_EQ(report.substr(report.size() - 5), " 毫秒");
    EXPECT_EQ(ReadBytes(m_root + "\\keep\\报告.txt"), "annual report");
    EXPECT_EQ(ReadBytes(m_root + "\\keep\\sub\\俓表.txt"), "table");

    Press(Control(kKeepFolders));
    ASSERT_TRUE(WaitFor([&] { return !IsChecked(Control(kKeepFolders)); }, kTimeoutMs));
    CopyTickedRowsTo(m_root + "\\flat", 2);
    EXPECT_EQ(ReadBytes(m_root + "\\flat\\报告.txt"), "annual report");
    EXPECT_EQ(ReadBytes(m_root + "\\flat\\俓表.txt"), "table");
    EXPECT_EQ(ReadBytes(source + "\\报告.txt"), "annual report");

    EndProgramWithEsc();
}

TEST_F(EndToEnd, HelpAndAboutOpenFromTheMenuAndCloseWithEsc)
{
    const HWND help = OpenFromMenu(2, "帮助信息");
    ASSERT_NE(help, nullptr) << "the Help window did not open";
    EXPECT_FALSE(IsWindowEnabled(m_main));
    const HWND text = FindWindowExA(help, nullptr, nullptr, nullptr);
    ASSERT_NE(text, nullptr);
    RemoteBuffer remote(m_program.hProcess, sizeof(GETTEXTEX) + 4096);
    GETTEXTEX request = {};
    request.cb = 4096;
    request.flags = GT_USECRLF;
    request.codepage = 936;
    remote.Write(&request, sizeof(request));
    SendMessageA(text, EM_GETTEXTEX, remote.Param(), remote.Param() + sizeof(GETTEXTEX));
    char shown[4096] = {};
    remote.Read(shown, sizeof(shown) - 1, sizeof(GETTEXTEX));
    EXPECT_TRUE(StartsWith(shown, "◇路径：指定寻找路径（目录）\r\n◇类型：")) << shown;
    CloseWithEsc(help);
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(m_main) != FALSE; }, kTimeoutMs));

    const HWND about = OpenFromMenu(1, "关于");
    ASSERT_NE(about, nullptr) << "the About window did not open";
    EXPECT_EQ(WindowText(ChildAt(about, 16, 8)), "版本：V1.0");
    EXPECT_EQ(WindowText(ChildAt(about, 16, 34)), "作者：Quillan");
    CloseWithEsc(about);

    EndProgramWithEsc();
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new ScreenshotOnFailure);
    return RUN_ALL_TESTS();
}
