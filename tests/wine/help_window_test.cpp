// The Help window's text box: its 30 lines byte for byte, its format, and
// that nobody can change it.
#include <cstdint>

#include <windows.h>
#include <richedit.h>

#include "tests/support/window_helpers.h"
#include "tests/support/wine_test.h"
#include "ui/clipboard.h"
#include "ui/help_window.h"

namespace {

// FNV-1a (64 bits) of the 1891 GBK bytes of the help text.
constexpr uint64_t kHelpTextHash = 0xc86f5027f0534248;

uint64_t Fnv1a(const Text& bytes)
{
    uint64_t hash = 0xcbf29ce484222325;
    for (unsigned char byte : bytes)
        hash = (hash ^ byte) * 0x100000001b3;
    return hash;
}

HWND TextBox(HWND help)
{
    return GetDlgItem(help, 超级编辑框_帮助信息);
}

CHARFORMATA CharFormat(HWND box, WPARAM scope)
{
    CHARFORMATA format = {};
    format.cbSize = sizeof(format);
    SendMessageA(box, EM_GETCHARFORMAT, scope, reinterpret_cast<LPARAM>(&format));
    return format;
}

// Runs the checks in the Help window as the program opens it, then closes it.
void InHelpWindow(const std::function<void(HWND box)>& checks)
{
    WhileWindowOpen(OpenHelpWindow, "帮助信息", [&](HWND help) {
        const HWND box = TextBox(help);
        EXPECT_NE(box, nullptr);
        if (box)
            checks(box);
        PostMessageA(help, WM_CLOSE, 0, 0);
    });
}

}  // namespace

TEST_F(MainWindowTest, HelpTextIsTheThirtyLinesByteForByte)
{
    InHelpWindow([](HWND box) {
        const Text text = RichEditText(box);
        EXPECT_EQ(text.size(), 1891u);
        EXPECT_EQ(Fnv1a(text), kHelpTextHash);
        const TextList lines = SplitText(text, "\r\n");
        ASSERT_EQ(lines.size(), 30u);
        EXPECT_EQ(lines.front(), "◇路径：指定寻找路径（目录）");
        EXPECT_EQ(lines[20], "◇超级列表框 - 右键表项：弹出“右键菜单”");
        EXPECT_EQ(lines.back(), "◇进度条：只有在拷贝文件时显示，可实时显示文件复制进度");
    });
}

TEST_F(MainWindowTest, HelpTextBoxIsAWrappingReadOnlyRichEditIn9PointSongTi)
{
    InHelpWindow([](HWND box) {
        EXPECT_EQ(ClassOf(box), "RichEdit20A");
        ExpectControlAt(box, "RichEdit20A", 23, 18, 448, 336);
        const LONG_PTR style = GetWindowLongPtrA(box, GWL_STYLE);
        EXPECT_EQ(style & (ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | WS_VSCROLL),
                  ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | WS_VSCROLL);
        EXPECT_FALSE(style & (WS_HSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL));
        EXPECT_TRUE(GetWindowLongPtrA(box, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
        // The long lines wrap.
        EXPECT_GT(SendMessageA(box, EM_GETLINECOUNT, 0, 0), 30);

        SendMessageA(box, EM_SETSEL, 0, -1);
        for (WPARAM scope : {SCF_DEFAULT, SCF_SELECTION}) {
            SCOPED_TRACE(scope);
            const CHARFORMATA format = CharFormat(box, scope);
            EXPECT_STREQ(format.szFaceName, "宋体");
            EXPECT_EQ(format.yHeight, 180);
            EXPECT_EQ(format.dwEffects & (CFE_AUTOCOLOR | CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT),
                      static_cast<DWORD>(CFE_AUTOCOLOR));
        }
    });
}

TEST_F(MainWindowTest, HelpTextStartsAtTheTopUnmodifiedEachTimeTheWindowOpens)
{
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        InHelpWindow([](HWND box) {
            CHARRANGE selection = {-1, -1};
            SendMessageA(box, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
            EXPECT_EQ(selection.cpMin, 0);
            EXPECT_EQ(selection.cpMax, 0);
            EXPECT_EQ(SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
            EXPECT_EQ(SendMessageA(box, EM_GETMODIFY, 0, 0), 0);
            EXPECT_EQ(GetFocus(), box);
            // Scrolled down; the next opening starts at the top again.
            SendMessageA(box, EM_LINESCROLL, 0, 10);
        });
    }
}

TEST_F(MainWindowTest, TypingCuttingAndPastingLeaveTheHelpTextAsItIs)
{
    InHelpWindow([](HWND box) {
        const Text before = RichEditText(box);
        ASSERT_TRUE(PutClipboardText("pasted"));
        SetFocus(box);
        SendMessageA(box, EM_SETSEL, 0, -1);
        PostMessageA(box, WM_CHAR, 'x', 0);
        PostMessageA(box, WM_KEYDOWN, VK_DELETE, 0);
        PostMessageA(box, WM_KEYDOWN, VK_BACK, 0);
        PostMessageA(box, WM_CHAR, VK_BACK, 0);
        PostMessageA(box, WM_KEYDOWN, VK_RETURN, 0);
        PostMessageA(box, WM_CHAR, VK_RETURN, 0);
        DrainMessages();
        SendMessageA(box, WM_CUT, 0, 0);
        SendMessageA(box, WM_PASTE, 0, 0);
        EXPECT_EQ(RichEditText(box), before);
        EXPECT_EQ(SendMessageA(box, EM_GETMODIFY, 0, 0), 0);
    });
}
