// A row's details, its folder opened by a double click, and the size total,
// in the real window with real files.
#include <windows.h>

#include "core/session.h"
#include "results/result_list.h"
#include "results/row_details.h"
#include "tests/support/list_helpers.h"
#include "tests/support/wine_test.h"
#include "ui/controls.h"
#include "ui/list_menu.h"

namespace {

Text Details()
{
    return ControlText(编辑框_更多信息);
}

// Sets the file's last-write time to a local wall-clock time.
void SetModifiedTime(const Text& path, WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    const SYSTEMTIME local = {year, month, 0, day, hour, minute, second, 0};
    FILETIME localTime, fileTime;
    ASSERT_TRUE(SystemTimeToFileTime(&local, &localTime));
    ASSERT_TRUE(LocalFileTimeToFileTime(&localTime, &fileTime));
    const HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &fileTime));
    CloseHandle(file);
}

// A click with Ctrl held adds the row to the highlight.
void ControlClickList(POINT point)
{
    const HWND list = Control(超级列表框_显示结果);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(point.x, point.y));
    PostMessageA(list, WM_LBUTTONUP, MK_CONTROL, MAKELPARAM(point.x, point.y));
    DrainMessages();
}

// A point of the list below its last row.
POINT BelowTheRows()
{
    RECT client;
    GetClientRect(Control(超级列表框_显示结果), &client);
    return {120, client.bottom - 10};
}

class RowDetailsTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        g_rootPath = folder.Path() + "\\";
    }

    ScratchFolder folder;
};

}  // namespace

TEST_F(RowDetailsTest, AClickShowsTheTopmostHighlightedRowAsItIsOnDisk)
{
    folder.WriteFile("sub\\c.txt", "12345");
    SetModifiedTime(folder.Join("sub\\c.txt"), 2021, 6, 7, 8, 9, 10);
    AddNumberedRows(10);
    SetCellText(3, 0, "sub\\c.txt");
    SetCellText(3, 1, "2000-01-01 00:00:00");
    SetCellText(3, 2, "1 B");
    HighlightRows({3, 8});

    ControlClickList(RowTextPoint(5));
    ASSERT_EQ(HighlightedRows(), (std::vector<int>{3, 5, 8}));
    const Text expected = folder.Join("sub\\c.txt") + "\r\n文件修改时间：2021年6月7日8时9分10秒\r\n文件大小：5 B";
    EXPECT_EQ(Details(), expected);

    // The file is read again at each click, not taken from the row.
    folder.WriteFile("sub\\c.txt", std::string(2048, 'x'));
    SetModifiedTime(folder.Join("sub\\c.txt"), 2022, 1, 2, 0, 0, 0);
    ControlClickList(RowTextPoint(6));
    EXPECT_EQ(Details(), folder.Join("sub\\c.txt") + "\r\n文件修改时间：2022年1月2日\r\n文件大小：2 KB");
}

TEST_F(RowDetailsTest, AClickOnAPlainRowShowsThatRowWithTheRootShown)
{
    folder.WriteFile("a.txt", "abc");
    SetModifiedTime(folder.Join("a.txt"), 2020, 2, 29, 23, 0, 0);
    AddRows({"x", folder.Join("a.txt")});
    SetTicked(选择框_显示根目录, true);
    ClickList(RowTextPoint(1));
    EXPECT_EQ(Details(), folder.Join("a.txt") + "\r\n文件修改时间：2020年2月29日23时\r\n文件大小：3 B");
}

TEST_F(RowDetailsTest, AClickWithNoRowEmptiesTheBoxWhileTheRootIsShown)
{
    AddRows({"a.txt"});
    SetControlText(编辑框_更多信息, "old");
    SetTicked(选择框_显示根目录, true);
    ClickList(BelowTheRows());
    ASSERT_EQ(CurrentRow(), -1);
    EXPECT_EQ(Details(), "");
}

TEST_F(RowDetailsTest, AClickWithNoRowShowsTheRootFolderWhileTheRootIsHidden)
{
    AddRows({"a.txt"});
    ClickList(BelowTheRows());
    ASSERT_EQ(CurrentRow(), -1);
    // A path ending in a backslash names no file: the empty time and the size -1.
    EXPECT_EQ(Details(), g_rootPath + "\r\n文件修改时间：100年1月1日\r\n文件大小：-1 B");
}

TEST_F(MainWindowTest, ADoubleClickOpensTheFolderUpToTheLastRealBackslash)
{
    struct Case {
        const char* row;  // nullptr: no row is highlighted
        const char* folder;
    };
    // 俓 is 82 5C in GBK: its second byte has the code of a backslash.
    const Case cases[] = {
        {"sub\\a.txt", "D:\\data\\sub\\"},
        {"表俓.txt", "D:\\data\\"},
        {"俓\\表俓.txt", "D:\\data\\俓\\"},
        {"sub\\俓", "D:\\data\\sub\\"},
        {nullptr, "D:\\data\\"},
    };
    g_rootPath = "D:\\data\\";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row ? c.row : "no row");
        DeleteAllRows();
        AddRows({c.row ? c.row : "a.txt"});
        DialogAnswers answers;
        DoubleClickList(c.row ? RowTextPoint(0) : BelowTheRows());
        ASSERT_EQ(answers.shellExecutes.size(), 1u);
        const DialogAnswers::ShellExecuteCall& call = answers.shellExecutes[0];
        EXPECT_EQ(call.verb, "open");
        EXPECT_EQ(call.file, c.folder);
        EXPECT_EQ(call.parameters, "");
        EXPECT_EQ(call.directory, "");
        EXPECT_EQ(call.show, SW_SHOWNORMAL);
    }
}

TEST_F(MainWindowTest, ADoubleClickWithNoRowAndTheRootShownAsksForTheEmptyFolder)
{
    g_rootPath = "D:\\data\\";
    AddRows({"D:\\data\\a.txt"});
    SetTicked(选择框_显示根目录, true);
    DialogAnswers answers;
    DoubleClickList(BelowTheRows());
    ASSERT_EQ(answers.shellExecutes.size(), 1u);
    EXPECT_EQ(answers.shellExecutes[0].file, "");
}

TEST_F(RowDetailsTest, SizeTotalCountsTheTickedFilesFromTheButtonAndTheMenu)
{
    folder.WriteFile("a.txt", std::string(100, 'a'));
    folder.WriteFile("sub\\b.txt", std::string(200, 'b'));
    folder.WriteFile("c.txt", std::string(1024, 'c'));
    folder.WriteFile("unticked.txt", std::string(5000, 'u'));
    const std::pair<const char*, void (*)()> triggers[] = {
        {"button", [] { SendMessageA(Control(按钮_统计文件大小), BM_CLICK, 0, 0); }},
        {"menu item", [] { RunListMenuCommand(kFirstMenuId + 2); }},
    };
    for (const auto& [name, trigger] : triggers) {
        SCOPED_TRACE(name);
        DeleteAllRows();
        AddRows({"a.txt", "unticked.txt", "sub\\b.txt", "c.txt"});
        trigger();
        EXPECT_EQ(Details(), "共选中文件：0个\r\n选中文件总大小：0 B");

        // Ticked without a refresh of the label: the total collects afresh.
        for (int row : {0, 2, 3})
            SetCheckState(row, kTicked);
        trigger();
        EXPECT_EQ(Details(), "共选中文件：3个\r\n选中文件总大小：1.29 KB");
        EXPECT_EQ(ControlText(标签_选中数), "选\r\n中\r\n3\r\n个");
        EXPECT_EQ(TotalCheckedSize(), 1324);
    }
}

TEST_F(RowDetailsTest, AFileThatIsGoneAddsMinusOneToTheTotal)
{
    folder.WriteFile("a.txt", std::string(100, 'a'));
    AddRows({"a.txt", "gone.txt"});
    SetCheckState(0, kTicked);
    SetCheckState(1, kTicked);
    EXPECT_EQ(TotalCheckedSize(), 99);
    ShowCheckedSizeTotal();
    EXPECT_EQ(Details(), "共选中文件：2个\r\n选中文件总大小：99 B");
}
