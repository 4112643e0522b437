// The balloon tips of the main window.
#include <windows.h>
#include <commctrl.h>

#include <map>

#include "tests/support/wine_test.h"
#include "ui/controls.h"

namespace {

const std::map<ControlName, Text> kTips = {
    {编辑框_文件类型, "①默认类型：*.*\r\n②可指定后缀，例：*.exe\r\n③可指定文件，例：test.txt\r\n④可用*模糊查找，例：*演示*.ppt"},
    {超级列表框_显示结果,
     "①左键单击查看更多信息；\r\n②左键双击打开文件所在位置；\r\n③按住Shift键或者Ctrl键可以选择多行数据；\r\n④右键可以弹出右键菜单；"},
    {按钮_默认列表宽度, "恢复列表宽度到初始值"},
    {按钮_全部删除, "仅删除列表框中显示的内容，并不会删除对应的文件"},
    {按钮_删除选中, "仅删除列表框中选中的内容，并不会删除对应的文件"},
    {按钮_拷贝文件, "将选中的文件复制到指定的文件夹下"},
    {选择框_原目录结构, "若不勾选，则所有文件拷贝到同级目录中"},
};

HWND Tips()
{
    return Control(气球提示框1);
}

ControlName NameOf(HWND control)
{
    return static_cast<ControlName>(GetDlgCtrlID(control) - kFirstControlId);
}

// The tool's whole text. The ANSI message returns at most 80 bytes, so the
// text is read in UTF-16 and turned back into the program's code page.
Text ToolText(TOOLINFOA tool)
{
    wchar_t wide[512] = {};
    tool.lpszText = reinterpret_cast<char*>(wide);
    SendMessageW(Tips(), TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
    char text[1024] = {};
    WideCharToMultiByte(936, 0, wide, -1, text, sizeof(text), nullptr, nullptr);
    return text;
}

}  // namespace

TEST_F(MainWindowTest, SevenBalloonTipsCoverTheirControls)
{
    ASSERT_NE(Tips(), nullptr);
    EXPECT_TRUE(GetWindowLongPtrA(Tips(), GWL_STYLE) & TTS_BALLOON);
    ASSERT_EQ(SendMessageA(Tips(), TTM_GETTOOLCOUNT, 0, 0), 7);
    std::map<ControlName, Text> attached;
    for (int i = 0; i < 7; ++i) {
        TOOLINFOA tool = {};
        tool.cbSize = sizeof(tool);
        ASSERT_TRUE(SendMessageA(Tips(), TTM_ENUMTOOLSA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tool)));
        EXPECT_EQ(tool.uFlags & (TTF_IDISHWND | TTF_SUBCLASS), static_cast<UINT>(TTF_IDISHWND | TTF_SUBCLASS));
        attached[NameOf(reinterpret_cast<HWND>(tool.uId))] = ToolText(tool);
    }
    EXPECT_EQ(attached, kTips);
}

TEST_F(MainWindowTest, TipsShowAfter600MsForThreeSecondsWithoutTitle)
{
    EXPECT_EQ(SendMessageA(Tips(), TTM_GETDELAYTIME, TTDT_INITIAL, 0), 600);
    EXPECT_EQ(SendMessageA(Tips(), TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 3000);
    char title[64] = "unchanged";
    TTGETTITLE got = {};
    got.dwSize = sizeof(got);
    got.cch = 0;
    got.pszTitle = nullptr;
    SendMessageA(Tips(), TTM_GETTITLE, 0, reinterpret_cast<LPARAM>(&got));
    EXPECT_EQ(got.uTitleBitmap, 0u);
    EXPECT_STREQ(title, "unchanged");
}

TEST_F(MainWindowTest, RestingThePointerOnThePatternBoxShowsItsTipThenHidesIt)
{
    RECT box;
    GetWindowRect(Control(编辑框_文件类型), &box);
    const POINT centre = {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    SetCursorPos(centre.x, centre.y);
    POINT client = centre;
    ScreenToClient(Control(编辑框_文件类型), &client);
    SendMessageA(Control(编辑框_文件类型), WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
    EXPECT_TRUE(WaitUntil([] { return IsWindowVisible(Tips()) != FALSE; }, 5000));
    EXPECT_TRUE(WaitUntil([] { return !IsWindowVisible(Tips()); }, 10000));
}
