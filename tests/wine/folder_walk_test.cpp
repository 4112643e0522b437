// The folder walk on real trees on disk, in the real window.
#include <algorithm>

#include "core/display_text.h"
#include "core/session.h"
#include "core/system.h"
#include "results/checked_rows.h"
#include "results/result_list.h"
#include "search/folder_walk.h"
#include "tests/support/file_state.h"
#include "tests/support/list_helpers.h"
#include "tests/support/next_pump.h"
#include "tests/support/unix_side.h"
#include "tests/support/wine_test.h"
#include "ui/controls.h"

namespace {

// A main window and a scratch tree to walk.
class FolderWalkTest : public MainWindowTest {
protected:
    // Walks the tree (or a folder in it) as the search does: the root ends in
    // a backslash, and the walk works on g_rootPath itself.
    void Walk(const Text& pattern, const Text& relative = Text())
    {
        g_rootPath = relative.empty() ? tree.Path() : tree.Join(relative);
        WalkFolder(g_rootPath, pattern);
    }

    void MakeFiles(std::initializer_list<Text> files)
    {
        for (const Text& file : files)
            tree.WriteFile(file, "x");
    }

    ScratchFolder tree;
};

// The rows a walk gives when the file system lists the entries of each folder
// in the order it does now: a folder's files, then each subfolder's tree.
void ListInWalkOrder(const Text& folder, const Text& prefix, std::vector<Text>& rows)
{
    std::vector<Text> subfolders;
    WIN32_FIND_DATAA entry;
    const HANDLE listing = FindFirstFileA((folder + "\\*").c_str(), &entry);
    ASSERT_NE(listing, INVALID_HANDLE_VALUE) << folder;
    do {
        const Text name = entry.cFileName;
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            rows.push_back(prefix + name);
        else if (name != "." && name != "..")
            subfolders.push_back(name);
    } while (FindNextFileA(listing, &entry));
    FindClose(listing);
    for (const Text& name : subfolders)
        ListInWalkOrder(folder + "\\" + name, prefix + name + "\\", rows);
}

struct PatternCase {
    const char* pattern;
    std::vector<Text> rows;
};

}  // namespace

TEST(EndsWithBackslash, LooksAtTheLastCharacterNotTheLastByte)
{
    const std::pair<Text, bool> cases[] = {
        {"C:\\", true},  {"C:\\data", false},   {"C:\\data\\", true}, {"\\", true},
        {"", false},     {"C:\\表俓", false},    {"C:\\表俓\\", true},  {"表", false},
    };
    for (const auto& [folder, ends] : cases)
        EXPECT_EQ(EndsWithBackslash(folder), ends) << folder;
}

TEST_F(FolderWalkTest, ListsTheFilesThatMatchThePattern)
{
    MakeFiles({"a.txt", "B.TXT", "notes.md", "x", "年度演示稿.ppt", "演示.doc", "sub\\c.txt", "sub\\演示2.ppt",
               "sub\\y"});
    const PatternCase cases[] = {
        {"*.*",
         {"B.TXT", "a.txt", "notes.md", "sub\\c.txt", "sub\\y", "sub\\演示2.ppt", "x", "年度演示稿.ppt", "演示.doc"}},
        {"*.txt", {"B.TXT", "a.txt", "sub\\c.txt"}},
        {"notes.md", {"notes.md"}},
        {"*演示*.ppt", {"sub\\演示2.ppt", "年度演示稿.ppt"}},
        {"?", {"sub\\y", "x"}},
        {"*.none", {}},
    };
    for (const PatternCase& c : cases) {
        SCOPED_TRACE(c.pattern);
        DeleteAllRows();
        Walk(c.pattern);
        EXPECT_EQ(SortedColumn0Texts(), c.rows);
    }
}

TEST_F(FolderWalkTest, ListsHiddenAndSystemFilesButNeverFolders)
{
    MakeFiles({"plain.txt", "hidden.txt", "system.txt", "locked.txt", "match.txt\\inner.txt", "secret\\in.txt"});
    SetFileAttributesA(tree.Join("hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA(tree.Join("system.txt").c_str(), FILE_ATTRIBUTE_SYSTEM);
    SetFileAttributesA(tree.Join("locked.txt").c_str(),
                       FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(tree.Join("secret").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    ASSERT_TRUE(GetFileAttributesA(tree.Join("hidden.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN);
    Walk("*.txt");
    EXPECT_EQ(SortedColumn0Texts(), (std::vector<Text>{"hidden.txt", "locked.txt", "match.txt\\inner.txt",
                                                          "plain.txt", "secret\\in.txt", "system.txt"}));
}

TEST_F(FolderWalkTest, ListsEachFoldersFilesBeforeItsSubfoldersDepthFirst)
{
    MakeFiles({"r1.txt", "r2.txt", "r3.txt", "a\\a1.txt", "a\\a2.txt", "a\\aa\\aa1.txt", "a\\ab\\ab1.txt",
               "b\\b1.txt", "b\\ba\\ba1.txt", "b\\ba\\bb\\bb1.txt", "empty\\deeper\\d.txt"});
    tree.MakeFolder("a\\nothing");
    std::vector<Text> expected;
    ListInWalkOrder(tree.Path(), "", expected);
    ASSERT_EQ(expected.size(), 11u);
    Walk("*.*");
    EXPECT_EQ(Column0Texts(), expected);
    // A folder without files of its own is still entered.
    EXPECT_NE(std::find(expected.begin(), expected.end(), "empty\\deeper\\d.txt"), expected.end());
}

TEST_F(FolderWalkTest, RowsAreRelativeToTheRootUnlessTheRootIsShown)
{
    MakeFiles({"a.txt", "sub\\b.txt"});
    Walk("*.*");
    EXPECT_EQ(SortedColumn0Texts(), (std::vector<Text>{"a.txt", "sub\\b.txt"}));
    EXPECT_EQ(g_rootPath, tree.Path() + "\\");

    DeleteAllRows();
    SetTicked(选择框_显示根目录, true);
    Walk("*.*");
    EXPECT_EQ(SortedColumn0Texts(), (std::vector<Text>{tree.Join("a.txt"), tree.Join("sub\\b.txt")}));
}

TEST_F(FolderWalkTest, WalksNamesWhoseSecondByteIsABackslash)
{
    MakeFiles({"表俓.txt", "表俓\\内容.txt", "表俓\\深\\文件俓.txt"});
    Walk("*.*");
    EXPECT_EQ(SortedColumn0Texts(), (std::vector<Text>{"表俓.txt", "表俓\\内容.txt", "表俓\\深\\文件俓.txt"}));

    // A root that ends in 俓 still gets its backslash.
    DeleteAllRows();
    Walk("*.*", "表俓");
    EXPECT_EQ(g_rootPath, tree.Join("表俓\\"));
    EXPECT_EQ(SortedColumn0Texts(), (std::vector<Text>{"内容.txt", "深\\文件俓.txt"}));
}

TEST_F(FolderWalkTest, ShowsTheTimeAndSizeThatALookupGives)
{
    tree.WriteFile("empty.txt", "");
    tree.WriteFile("sub\\kilo.bin", std::string(1536, 'k'));
    ASSERT_LT(MakeSparseFile(tree.Join("sub\\huge.bin"), 5368709120), 1 << 20);
    SetLocalWriteTime(tree.Join("empty.txt"), Local(2013, 7, 27, 9, 5, 3, 250));
    SetLocalWriteTime(tree.Join("sub\\huge.bin"), Local(1990, 1, 1, 0, 0, 0));
    Walk("*.*");
    ASSERT_EQ(RowCount(), 3);
    for (int row = 0; row < RowCount(); ++row) {
        const Text path = RowFullPath(row);
        SCOPED_TRACE(path);
        EXPECT_EQ(CellText(row, 1), FormatTimestamp(FileModifiedTime(path)));
        EXPECT_EQ(CellText(row, 2), FileSizeText(path));
    }
    const std::vector<Text> rows = Column0Texts();
    const auto cellOf = [&](const Text& name, int column) {
        return CellText(static_cast<int>(std::find(rows.begin(), rows.end(), name) - rows.begin()), column);
    };
    EXPECT_EQ(cellOf("empty.txt", 1), "2013-07-27 09:05:03");
    EXPECT_EQ(cellOf("empty.txt", 2), "0 B");
    EXPECT_EQ(cellOf("sub\\kilo.bin", 2), "1.5 KB");
    EXPECT_EQ(cellOf("sub\\huge.bin", 1), "1990-01-01 00:00:00");
    EXPECT_EQ(cellOf("sub\\huge.bin", 2), "5 GB");
}

TEST_F(FolderWalkTest, FoldersThatCannotBeListedAddNothing)
{
    MakeFiles({"top.txt"});
    // A folder beyond the 260 bytes the listing takes, with a file in it.
    const Text longFolder = Text(200, 'd') + "\\" + Text(70, 'e');
    ASSERT_GT(tree.Join(longFolder).size(), 260u);
    ASSERT_TRUE(MakeLongPathFolder(tree.Join(longFolder)));

    Walk("*.*");
    EXPECT_EQ(Column0Texts(), std::vector<Text>{"top.txt"});
    for (const Text& missing : {Text("missing"), longFolder}) {
        SCOPED_TRACE(missing);
        DeleteAllRows();
        Walk("*.*", missing);
        EXPECT_EQ(RowCount(), 0);
        EXPECT_EQ(ControlText(标签_文件数), "找到文件：0个\r\n耗时：0毫秒");
    }
    // The A functions cannot remove what lies beyond 260 bytes.
    RunUnixProgram({"/bin/rm", "-rf", UnixPathOf(tree.Join(Text(200, 'd')))});
}

TEST_F(FolderWalkTest, CountsTheFoundFilesInTheLabel)
{
    MakeFiles({"a.txt", "b.txt", "sub\\c.txt", "sub\\d.doc"});
    AddRows({"left from before"});
    Walk("*.txt");
    EXPECT_EQ(ControlText(标签_文件数), "找到文件：4个\r\n耗时：0毫秒");
}

TEST_F(FolderWalkTest, KeepsOnlyFilesWithinTheRangeWhileTheFilterIsTicked)
{
    MakeFiles({"before.txt", "start.txt", "end.txt", "after.txt", "sub\\inside.txt"});
    SetLocalWriteTime(tree.Join("before.txt"), Local(2013, 7, 26, 23, 59, 59, 999));
    SetLocalWriteTime(tree.Join("start.txt"), Local(2013, 7, 27, 0, 0, 0, 0));
    SetLocalWriteTime(tree.Join("sub\\inside.txt"), Local(2013, 7, 27, 12, 0, 0, 0));
    SetLocalWriteTime(tree.Join("end.txt"), Local(2013, 7, 27, 23, 59, 59, 999));
    SetLocalWriteTime(tree.Join("after.txt"), Local(2013, 7, 28, 0, 0, 0, 0));
    g_rangeStart = MakeDateTime(2013, 7, 27, 0, 0, 0);
    g_rangeEnd = MakeDateTime(2013, 7, 27, 23, 59, 59);
    SetTicked(选择框_修改时间, true);
    Walk("*.*");
    EXPECT_EQ(SortedColumn0Texts(), (std::vector<Text>{"end.txt", "start.txt", "sub\\inside.txt"}));

    DeleteAllRows();
    SetTicked(选择框_修改时间, false);
    Walk("*.*");
    EXPECT_EQ(RowCount(), 5);
}

// Whatever runs in the walk's message pump counts from the next file on:
// the files of the folders walked after it.
class ChangesDuringTheWalk : public FolderWalkTest {
protected:
    void SetUp() override
    {
        FolderWalkTest::SetUp();
        MakeFiles({"root.txt", "one\\one.txt", "two\\two.txt"});
    }

    // The subfolder the walk entered first, whose walk ended in the first pump.
    Text FirstSubfolderFile() const
    {
        WIN32_FIND_DATAA entry;
        const HANDLE listing = FindFirstFileA(tree.Join("*").c_str(), &entry);
        Text first;
        do {
            const Text name = entry.cFileName;
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != ".." && first.empty())
                first = name + "\\" + name + ".txt";
        } while (FindNextFileA(listing, &entry));
        FindClose(listing);
        return first;
    }

    Text SecondSubfolderFile() const
    {
        return FirstSubfolderFile() == "one\\one.txt" ? "two\\two.txt" : "one\\one.txt";
    }
};

TEST_F(ChangesDuringTheWalk, TickingTheTimeFilterDropsTheFilesThatFollow)
{
    g_rangeStart = MakeDateTime(2000, 1, 1, 0, 0, 0);
    g_rangeEnd = MakeDateTime(2000, 1, 1, 0, 0, 0);
    RunAtNextPump([] { SendMessageA(Control(选择框_修改时间), BM_CLICK, 0, 0); });
    Walk("*.*");
    EXPECT_TRUE(IsTicked(选择框_修改时间));
    EXPECT_EQ(Column0Texts(), (std::vector<Text>{"root.txt", FirstSubfolderFile()}));
}

TEST_F(ChangesDuringTheWalk, RowsRemovedMidWalkStayRemovedAndTheWalkGoesOn)
{
    RunAtNextPump([] { SendMessageA(Control(按钮_全部删除), BM_CLICK, 0, 0); });
    Walk("*.*");
    EXPECT_EQ(Column0Texts(), std::vector<Text>{SecondSubfolderFile()});
    EXPECT_EQ(ControlText(标签_文件数), "找到文件：1个\r\n耗时：0毫秒");
}

TEST_F(ChangesDuringTheWalk, ShowingTheRootMidWalkShowsItInEveryRow)
{
    RunAtNextPump([] { SendMessageA(Control(选择框_显示根目录), BM_CLICK, 0, 0); });
    Walk("*.*");
    EXPECT_EQ(Column0Texts(), (std::vector<Text>{tree.Join("root.txt"), tree.Join(FirstSubfolderFile()),
                                                 tree.Join(SecondSubfolderFile())}));
}

TEST_F(ChangesDuringTheWalk, ShowsTheBusyCursorWhileItWalksAndTheFormerOneAfterwards)
{
    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    SetCursor(arrow);
    static HCURSOR s_duringWalk;
    s_duringWalk = nullptr;
    RunAtNextPump([] { s_duringWalk = GetCursor(); });
    Walk("*.*");
    EXPECT_EQ(s_duringWalk, LoadCursorA(nullptr, IDC_WAIT));
    EXPECT_EQ(GetCursor(), arrow);
}

// Links made on the Linux side: loops are walked once, other links entered.
TEST_F(FolderWalkTest, EntersEachLinkedFolderButNoneItIsAlreadyInside)
{
    ScratchFolder outside;
    MakeFiles({"f.txt", "a\\a.txt", "a\\b\\b.txt"});
    outside.WriteFile("o.txt", "x");
    outside.WriteFile("sub\\o2.txt", "x");
    const FolderLink links[] = {
        {tree.Join("a\\up"), tree.Path()},          // back to the root
        {tree.Join("a\\self"), tree.Join("a")},     // to the folder that holds it
        {tree.Join("a\\b\\back"), tree.Join("a")},  // to an ancestor further up
        {tree.Join("elsewhere"), outside.Path()},   // out of the tree
        {tree.Join("again"), outside.Path()},       // out of the tree again
        {outside.Join("sub\\loop"), outside.Path()},
    };
    for (const FolderLink& link : links)
        ASSERT_TRUE(link.Made());
    ASSERT_EQ(GetFileAttributesA(tree.Join("a\\up").c_str()), static_cast<DWORD>(0x410));

    Walk("*.*");
    EXPECT_EQ(SortedColumn0Texts(),
              (std::vector<Text>{"a\\a.txt", "a\\b\\b.txt", "again\\o.txt", "again\\sub\\o2.txt", "elsewhere\\o.txt",
                                 "elsewhere\\sub\\o2.txt", "f.txt"}));
}

TEST_F(FolderWalkTest, ALinkBackToTheRootIsNotFollowedWithAnyPattern)
{
    MakeFiles({"a.txt", "sub\\b.txt", "sub\\c.doc"});
    const FolderLink loop(tree.Join("sub\\root"), tree.Path());
    ASSERT_TRUE(loop.Made());
    Walk("*.txt");
    EXPECT_EQ(SortedColumn0Texts(), (std::vector<Text>{"a.txt", "sub\\b.txt"}));
}
