// The search as the user starts it, through the real window's buttons.
#include "core/datetime.h"
#include "core/session.h"
#include "core/system.h"
#include "results/result_list.h"
#include "search/search_command.h"
#include "tests/support/file_state.h"
#include "tests/support/list_helpers.h"
#include "tests/support/next_pump.h"
#include "tests/support/running_program.h"
#include "tests/support/unix_side.h"
#include "tests/support/wine_test.h"
#include "ui/controls.h"

namespace {

constexpr char kRangeMessage[] = "请选择正确的时间范围！\r\n左侧时间应该小于右侧时间";
constexpr char kPathMessage[] = "请选择欲寻找的目录！";
constexpr UINT kErrorFlags = MB_ICONERROR | MB_TASKMODAL;
constexpr UINT kInfoFlags = MB_ICONINFORMATION | MB_TASKMODAL;

void Click(ControlName button)
{
    SendMessageA(Control(button), BM_CLICK, 0, 0);
}

Text ClosingMessage(int found, int ms)
{
    return "成功寻找到文件：" + IntToText(found) + " 个\r\n任务总耗时：" + IntToText(ms) + "毫秒";
}

int g_boxReads = 0;

LRESULT CALLBACK CountBoxReads(HWND, UINT message, WPARAM, LPARAM)
{
    g_boxReads += message == BM_GETCHECK;
    return 0;
}

class SearchCommandTest : public MainWindowTest {
protected:
    void SearchFor(const Text& path, const Text& pattern = "*.*")
    {
        SetControlText(编辑框_寻找路径, path);
        SetControlText(编辑框_文件类型, pattern);
        Click(按钮_开始寻找);
    }

    // Rows left from an earlier search, which every search removes first.
    void FillWithOldRows() { AddRows({"old1", "old2"}); }

    DialogAnswers answers;
    ScratchFolder tree;
};

}  // namespace

TEST(ElapsedMs, CountsAcrossAWrapOfTheTickCount)
{
    EXPECT_EQ(ElapsedMs(1000, 1250), 250);
    EXPECT_EQ(ElapsedMs(static_cast<int>(0xFFFFFFF0u), 0x10), 0x20);
    EXPECT_EQ(ElapsedMs(0x7FFFFFFF, static_cast<int>(0x80000004u)), 5);
}

TEST_F(SearchCommandTest, ReportsTheFilesFoundAndTheTimeItTook)
{
    tree.WriteFile("a.txt", "x");
    tree.WriteFile("sub\\b.txt", "x");
    tree.WriteFile("sub\\c.doc", "x");
    FillWithOldRows();
    SearchFor(tree.Path(), "");

    EXPECT_EQ(ControlText(编辑框_文件类型), "*.*");
    EXPECT_EQ(g_typePattern, "*.*");
    EXPECT_EQ(g_rootPath, tree.Path() + "\\");
    EXPECT_EQ(SortedColumn0Texts(), (std::vector<Text>{"a.txt", "sub\\b.txt", "sub\\c.doc"}));
    ASSERT_EQ(answers.messageBoxes.size(), 1u);
    EXPECT_EQ(answers.messageBoxes[0].text, ClosingMessage(3, g_searchMs));
    EXPECT_EQ(answers.messageBoxes[0].title, "寻找结果");
    EXPECT_EQ(answers.messageBoxes[0].flags, kInfoFlags);
    EXPECT_EQ(answers.messageBoxes[0].owner, nullptr);
    EXPECT_GE(g_searchMs, 0);
    EXPECT_EQ(ControlText(标签_文件数), "找到文件：3个\r\n耗时：" + IntToText(g_searchMs) + "毫秒");
}

TEST_F(SearchCommandTest, AddsOneBackslashToTheRootWhereItLacksOne)
{
    tree.WriteFile("表俓\\a.txt", "x");
    tree.WriteFile("表俓\\sub\\b.txt", "x");
    const ScratchDrive drive(tree.Join("表俓"));
    ASSERT_TRUE(drive.Made());
    const std::pair<Text, Text> cases[] = {
        {tree.Join("表俓"), tree.Join("表俓\\")},
        {tree.Join("表俓\\"), tree.Join("表俓\\")},
        {drive.Root(), drive.Root()},
    };
    for (const auto& [typed, root] : cases) {
        SCOPED_TRACE(typed);
        SetTicked(选择框_显示根目录, false);
        SearchFor(typed);
        EXPECT_EQ(g_rootPath, root);
        EXPECT_EQ(SortedColumn0Texts(), (std::vector<Text>{"a.txt", "sub\\b.txt"}));
        SetTicked(选择框_显示根目录, true);
        SearchFor(typed);
        EXPECT_EQ(SortedColumn0Texts(), (std::vector<Text>{root + "a.txt", root + "sub\\b.txt"}));
    }
}

TEST_F(SearchCommandTest, AFolderThatCannotBeListedEndsNormallyWithNoFiles)
{
    const Text longFolder = tree.Join(Text(250, 'd'));
    ASSERT_TRUE(MakeLongPathFolder(longFolder));
    for (const Text& path : {tree.Join("missing"), longFolder}) {
        SCOPED_TRACE(path);
        answers.messageBoxes.clear();
        FillWithOldRows();
        SearchFor(path);
        EXPECT_EQ(RowCount(), 0);
        ASSERT_EQ(answers.messageBoxes.size(), 1u);
        EXPECT_EQ(answers.messageBoxes[0].text, ClosingMessage(0, g_searchMs));
    }
    // The A functions cannot remove what lies beyond 260 bytes.
    RunUnixProgram({"/bin/rm", "-rf", UnixPathOf(tree.Path())});
}

TEST_F(SearchCommandTest, TheTimeFilterKeepsBothEndsOfTheRange)
{
    const std::pair<const char*, SYSTEMTIME> files[] = {
        {"before.txt", Local(2013, 7, 26, 23, 59, 59)}, {"start.txt", Local(2013, 7, 27, 0, 0, 0)},
        {"noon.txt", Local(2013, 7, 27, 12, 0, 0)},     {"end.txt", Local(2013, 7, 27, 23, 59, 59)},
        {"after.txt", Local(2013, 7, 28, 0, 0, 0)},
    };
    for (const auto& [name, time] : files) {
        tree.WriteFile(name, "x");
        SetLocalWriteTime(tree.Join(name), time);
    }
    Click(选择框_修改时间);
    SetDatePickerValue(日期框_左, MakeDateTime(2013, 7, 27, 0, 0, 0));
    SetDatePickerValue(日期框_右, MakeDateTime(2013, 7, 27, 0, 0, 0));
    SearchFor(tree.Path());
    EXPECT_EQ(g_rangeStart, MakeDateTime(2013, 7, 27, 0, 0, 0));
    EXPECT_EQ(g_rangeEnd, MakeDateTime(2013, 7, 27, 23, 59, 59));
    EXPECT_EQ(SortedColumn0Texts(), (std::vector<Text>{"end.txt", "noon.txt", "start.txt"}));

    // A start equal to the end is a range of one second.
    SetControlText(编辑框_时间左, "12:00:00");
    SetControlText(编辑框_时间右, "12:00:00");
    SearchFor(tree.Path());
    EXPECT_EQ(Column0Texts(), std::vector<Text>{"noon.txt"});

    Click(选择框_修改时间);
    SearchFor(tree.Path());
    EXPECT_EQ(RowCount(), 5);
    EXPECT_EQ(answers.messageBoxes.size(), 3u);
}

TEST_F(SearchCommandTest, AReversedRangeStopsFirstEvenWithTheFilterOffAndThePathEmpty)
{
    FillWithOldRows();
    SetDatePickerValue(日期框_左, MakeDateTime(2013, 7, 28, 0, 0, 0));
    SetDatePickerValue(日期框_右, MakeDateTime(2013, 7, 27, 0, 0, 0));
    SetControlText(编辑框_时间左, "01:02:03");
    SearchFor("", "");

    ASSERT_EQ(answers.messageBoxes.size(), 1u);
    EXPECT_EQ(answers.messageBoxes[0].text, kRangeMessage);
    EXPECT_EQ(answers.messageBoxes[0].title, "错误");
    EXPECT_EQ(answers.messageBoxes[0].flags, kErrorFlags);
    const DateTime today = DateOnly(CurrentDateTime());
    EXPECT_EQ(DateOnly(DatePickerValue(日期框_左)), today);
    EXPECT_EQ(DateOnly(DatePickerValue(日期框_右)), today);
    EXPECT_EQ(ControlText(编辑框_时间左), "01:02:03");
    EXPECT_EQ(ControlText(编辑框_文件类型), "");
    EXPECT_EQ(RowCount(), 0);
}

TEST_F(SearchCommandTest, AnEmptyPathAsksForAFolderAndFocusesThePathBox)
{
    FillWithOldRows();
    SearchFor("", "");
    ASSERT_EQ(answers.messageBoxes.size(), 1u);
    EXPECT_EQ(answers.messageBoxes[0].text, kPathMessage);
    EXPECT_EQ(answers.messageBoxes[0].title, "错误");
    EXPECT_EQ(answers.messageBoxes[0].flags, kErrorFlags);
    EXPECT_EQ(GetFocus(), Control(编辑框_寻找路径));
    EXPECT_EQ(ControlText(编辑框_文件类型), "*.*");
    EXPECT_EQ(RowCount(), 0);
    EXPECT_EQ(g_searchMs, 0);
}

TEST_F(SearchCommandTest, TheFolderButtonFillsThePathBoxAndACancelEmptiesIt)
{
    answers.AnswerFolder(tree.Path());
    answers.AnswerFolder("");
    Click(按钮_选择路径);
    EXPECT_EQ(ControlText(编辑框_寻找路径), tree.Path());
    SetControlText(编辑框_寻找路径, "typed before");
    Click(按钮_选择路径);
    EXPECT_EQ(ControlText(编辑框_寻找路径), "");
    EXPECT_EQ(answers.browsePrompts, (std::vector<Text>{"请选择欲搜索目录：", "请选择欲搜索目录："}));
}

// The walk lets window messages run after each subfolder; a click on
// "开始寻找" among them starts a new search that replaces the running one.
TEST_F(SearchCommandTest, ANewSearchStartedDuringAWalkReplacesIt)
{
    ScratchFolder other;
    // The first pump comes after the first of deep's subfolders; the two others are still to be walked.
    for (const char* file : {"a1.txt", "deep\\one\\a2.txt", "deep\\two\\a3.txt", "deep\\three\\a4.txt"})
        tree.WriteFile(file, "x");
    for (const char* file : {"b1.txt", "sub\\b2.txt"})
        other.WriteFile(file, "x");
    RunAtNextPump([&] { SearchFor(other.Path()); });
    SearchFor(tree.Path());

    EXPECT_EQ(SortedColumn0Texts(), (std::vector<Text>{"b1.txt", "sub\\b2.txt"}));
    EXPECT_EQ(g_rootPath, other.Path() + "\\");
    ASSERT_EQ(answers.messageBoxes.size(), 1u);
    EXPECT_EQ(answers.messageBoxes[0].text, ClosingMessage(2, g_searchMs));
    EXPECT_EQ(ControlText(标签_文件数), "找到文件：2个\r\n耗时：" + IntToText(g_searchMs) + "毫秒");
}

TEST_F(SearchCommandTest, ANewSearchThatStopsAtItsMessageLeavesTheListEmpty)
{
    // The first pump comes after the first of deep's subfolders; the two others are still to be walked.
    for (const char* file : {"a1.txt", "deep\\one\\a2.txt", "deep\\two\\a3.txt", "deep\\three\\a4.txt"})
        tree.WriteFile(file, "x");
    RunAtNextPump([&] { SearchFor(""); });
    SearchFor(tree.Path());

    EXPECT_EQ(RowCount(), 0);
    ASSERT_EQ(answers.messageBoxes.size(), 1u);
    EXPECT_EQ(answers.messageBoxes[0].text, kPathMessage);
    EXPECT_EQ(g_searchMs, 0);
    EXPECT_EQ(ControlText(标签_文件数), "找到文件：0个\r\n耗时：0毫秒");
}

TEST_F(SearchCommandTest, ClosingTheWindowDuringAWalkEndsItAtOnce)
{
    for (const char* file : {"a1.txt", "one\\a2.txt", "two\\a3.txt", "three\\a4.txt", "four\\a5.txt"})
        tree.WriteFile(file, "x");
    // Stands in for the two check boxes once the window is gone: a walk that
    // went on would read them for the next folder's files.
    const HWND stranger = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    SetWindowLongPtrA(stranger, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountBoxReads));
    RunAtNextPump([&] {
        SendMessageA(window, WM_CLOSE, 0, 0);
        SetControlWindow(选择框_修改时间, stranger);
        SetControlWindow(选择框_显示根目录, stranger);
    });
    SearchFor(tree.Path());
    ForgetControls();
    DestroyWindow(stranger);

    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(g_boxReads, 0);
    EXPECT_TRUE(answers.messageBoxes.empty());
    EXPECT_EQ(g_searchMs, 0);
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

TEST(SearchInTheProgram, ClosingTheWindowDuringAWalkEndsTheProgramWithCodeZero)
{
    ScratchFolder tree;
    for (int folder = 0; folder < 20; ++folder)
        tree.WriteFile("folder" + IntToText(folder) + "\\a.txt", "x");
    RunningProgram program;
    ASSERT_TRUE(program.Start());
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (window = program.FindMainWindow()) != nullptr; }, 30000));
    const HWND pathBox = GetDlgItem(window, kFirstControlId + 编辑框_寻找路径);
    const HWND searchButton = GetDlgItem(window, kFirstControlId + 按钮_开始寻找);
    SendMessageA(pathBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(tree.Path().c_str()));
    // Both wait in the program's queue: the click starts the walk, whose
    // first message pump then runs the close.
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(kFirstControlId + 按钮_开始寻找, BN_CLICKED),
                 reinterpret_cast<LPARAM>(searchButton));
    PostMessageA(window, WM_CLOSE, 0, 0);

    ASSERT_TRUE(program.WaitForExit(30000));
    EXPECT_EQ(ExitCode(program), 0u);
}
