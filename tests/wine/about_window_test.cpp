// The About window: its controls, the e-mail link with its colours and the
// shell requests it makes, and the copy of the address to the clipboard.
#include <thread>

#include <windows.h>

#include "tests/support/window_helpers.h"
#include "tests/support/wine_test.h"
#include "ui/about_window.h"
#include "ui/controls.h"
#include "ui/label.h"
#include "ui/link_label.h"

namespace {

const Text kMailLink = JoinTexts({"mailto:", kContactAddress});

struct ExpectedControl {
    AboutControlName name;
    const char* className;
    int x, y, width, height;
    const char* text;
    int fontHeight;  // 0: the default GUI font
    DWORD labelStyle;
};

// In stacking order, from the top.
const ExpectedControl kControls[] = {
    {按钮_复制, "Button", 190, 58, 80, 20, "复制到剪辑板", 0, 0},
    {标签_留言, kLabelClass, 16, 88, 256, 104,
     "非常感谢您使用本软件！\r\n本软件完全因个人兴趣爱好所编写，\r\n由于个人技术有限，难免会考虑不周。\r\n"
     "若您在使用过程中遇到程序BUG，\r\n或者有好的意见和建议，请您联系我。\r\n（注：BUG请附截图说明，以便重现）\r\n"
     "我会不断完善软件功能，谢谢您的合作！\r\n\r\n",
     14, kLabelLeft},
    {超级链接框_邮箱, kLabelClass, 72, 58, 121, 24, "mail@example.com", 0, kLabelCentre | kLabelOneLine},
    {标签_作者, kLabelClass, 16, 34, 128, 24, "作者：Quillan", 16, kLabelLeft},
    {标签_版本, kLabelClass, 16, 8, 128, 24, "版本：V1.0", 16, kLabelLeft},
    {标签_联系我, kLabelClass, 16, 60, 64, 24, "联系我：", 16, kLabelLeft},
};

HWND AboutControl(HWND about, AboutControlName name)
{
    return GetDlgItem(about, kFirstAboutControlId + name);
}

// Runs the checks in the About window as the program opens it, then closes it.
void InAboutWindow(const std::function<void(HWND about)>& checks)
{
    WhileWindowOpen(OpenAboutWindow, "关于", [&](HWND about) {
        checks(about);
        PostMessageA(about, WM_CLOSE, 0, 0);
    });
}

// Which of the link's three colours its text is drawn in; 0 when none or several.
COLORREF LinkTextColour(HWND link)
{
    COLORREF found = 0;
    int colours = 0;
    for (COLORREF colour : {kLinkColour, kLinkHotColour, kLinkVisitedColour}) {
        if (PixelsOfColour(link, colour) > 0) {
            found = colour;
            ++colours;
        }
    }
    return colours == 1 ? found : 0;
}

POINT CentreOf(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void PointerOver(HWND link)
{
    const POINT centre = CentreOf(link);
    SetCursorPos(centre.x, centre.y);
    PostMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    DrainMessages();
}

void PointerLeaves(HWND link)
{
    SetCursorPos(0, 0);
    PostMessageA(link, WM_MOUSELEAVE, 0, 0);
    DrainMessages();
}

// The link is drawn in `away` with the pointer away, red under the pointer,
// and in `away` again once the pointer has left.
void ExpectColoursAsThePointerComesAndGoes(HWND link, COLORREF away)
{
    EXPECT_EQ(LinkTextColour(link), away);
    PointerOver(link);
    EXPECT_EQ(LinkTextColour(link), kLinkHotColour);
    PointerLeaves(link);
    EXPECT_EQ(LinkTextColour(link), away);
}

void PressOn(HWND link)
{
    PostMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    DrainMessages();
}

// Registers ".htm" files as a class of its own, opened by the command (none
// when null), while it lives; what ".htm" named before is put back afterwards.
class WebPageProgram {
public:
    explicit WebPageProgram(const char* command)
    {
        char previous[256] = {};
        LONG size = sizeof(previous);
        m_hadPrevious = RegQueryValueA(HKEY_CLASSES_ROOT, ".htm", previous, &size) == ERROR_SUCCESS;
        m_previous = previous;
        SetDefault(".htm", kClass);
        if (command)
            SetDefault(Text(kClass) + "\\shell\\open\\command", command);
    }
    ~WebPageProgram()
    {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, kClass);
        if (m_hadPrevious)
            SetDefault(".htm", m_previous);
        else
            RegDeleteTreeA(HKEY_CLASSES_ROOT, ".htm");
    }
    WebPageProgram(const WebPageProgram&) = delete;
    WebPageProgram& operator=(const WebPageProgram&) = delete;

private:
    static constexpr char kClass[] = "VelmoraTestPage";

    static void SetDefault(const Text& key, const Text& value)
    {
        EXPECT_EQ(RegSetKeyValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                                  static_cast<DWORD>(value.size() + 1)),
                  ERROR_SUCCESS)
            << key;
    }

    bool m_hadPrevious = false;
    Text m_previous;
};

// The clipboard's text as the system holds it, read without the program's helpers.
Text RawClipboardText()
{
    Text text;
    if (!OpenClipboard(nullptr))
        return "(clipboard busy)";
    if (const HANDLE block = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(block));
        GlobalUnlock(block);
    }
    CloseClipboard();
    return text;
}

void SetRawClipboardText(const char* text)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
    strcpy(static_cast<char*>(GlobalLock(block)), text);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

}  // namespace

TEST_F(MainWindowTest, AboutControlsStandWhereTheTableSaysWithTheirTextsAndFonts)
{
    InAboutWindow([](HWND about) {
        std::vector<HWND> stacked;
        for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            stacked.push_back(child);
        ASSERT_EQ(stacked.size(), std::size(kControls));
        for (size_t i = 0; i < std::size(kControls); ++i) {
            const ExpectedControl& expected = kControls[i];
            SCOPED_TRACE(expected.text);
            const HWND control = AboutControl(about, expected.name);
            EXPECT_EQ(stacked[i], control);
            ExpectControlAt(control, expected.className, expected.x, expected.y, expected.width, expected.height);
            EXPECT_EQ(WindowText(control), expected.text);
            const LOGFONTA font = WindowFont(control);
            if (expected.fontHeight) {
                EXPECT_EQ(font.lfHeight, -expected.fontHeight);
                EXPECT_EQ(font.lfWeight, FW_NORMAL);
                EXPECT_STREQ(font.lfFaceName, "");
            } else {
                EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)),
                          GetStockObject(DEFAULT_GUI_FONT));
            }
            if (expected.className == kLabelClass) {
                EXPECT_EQ(GetWindowLongPtrA(control, GWL_STYLE) & 0xF, static_cast<LONG_PTR>(expected.labelStyle));
                EXPECT_FALSE(GetWindowLongPtrA(control, GWL_STYLE) & WS_BORDER);
            }
        }
        const LONG_PTR buttonStyle = GetWindowLongPtrA(AboutControl(about, 按钮_复制), GWL_STYLE);
        EXPECT_EQ(buttonStyle & (BS_MULTILINE | BS_CENTER | BS_VCENTER), BS_MULTILINE | BS_CENTER | BS_VCENTER);
        EXPECT_FALSE(buttonStyle & BS_DEFPUSHBUTTON);
    });
}

TEST_F(MainWindowTest, LinkIsBlueRedUnderThePointerAndDarkRedOnceOpened)
{
    DialogAnswers answers;
    InAboutWindow([&](HWND about) {
        const HWND link = AboutControl(about, 超级链接框_邮箱);
        ExpectColoursAsThePointerComesAndGoes(link, kLinkColour);
        PointerOver(link);
        PressOn(link);
        ASSERT_EQ(answers.shellExecutes.size(), 1u);
        EXPECT_EQ(answers.shellExecutes[0].verb, "open");
        EXPECT_EQ(answers.shellExecutes[0].file, kMailLink);
        EXPECT_EQ(answers.shellExecutes[0].show, SW_SHOW);
        EXPECT_TRUE(answers.winExecs.empty());
        EXPECT_EQ(LinkTextColour(link), kLinkHotColour);
        PointerLeaves(link);
        ExpectColoursAsThePointerComesAndGoes(link, kLinkVisitedColour);
    });
    // Opened again, the window starts with the link in its normal colour.
    InAboutWindow([](HWND about) { EXPECT_EQ(LinkTextColour(AboutControl(about, 超级链接框_邮箱)), kLinkColour); });
}

TEST_F(MainWindowTest, WhenTheShellCannotOpenTheLinkTheWebPageProgramGetsIt)
{
    const WebPageProgram program("\"C:\\web\\browser.exe\" \"%1\" -new");
    struct Case {
        UINT winExecResult;
        COLORREF colourAfter;
    };
    for (const Case& c : {Case{33, kLinkVisitedColour}, Case{ERROR_FILE_NOT_FOUND, kLinkColour}}) {
        SCOPED_TRACE(c.winExecResult);
        DialogAnswers answers;
        answers.shellExecuteResult = SE_ERR_NOASSOC;
        answers.winExecResult = c.winExecResult;
        InAboutWindow([&](HWND about) {
            const HWND link = AboutControl(about, 超级链接框_邮箱);
            PressOn(link);
            ASSERT_EQ(answers.shellExecutes.size(), 1u);
            EXPECT_EQ(answers.shellExecutes[0].file, kMailLink);
            ASSERT_EQ(answers.winExecs.size(), 1u);
            EXPECT_EQ(answers.winExecs[0].command, "\"C:\\web\\browser.exe\"  " + kMailLink);
            EXPECT_EQ(answers.winExecs[0].show, static_cast<UINT>(SW_SHOW));
            PointerLeaves(link);
            EXPECT_EQ(LinkTextColour(link), c.colourAfter);
        });
    }
}

TEST_F(MainWindowTest, WithoutAWebPageCommandTheLinkStaysUnopened)
{
    const WebPageProgram program(nullptr);
    DialogAnswers answers;
    answers.shellExecuteResult = SE_ERR_NOASSOC;
    InAboutWindow([&](HWND about) {
        const HWND link = AboutControl(about, 超级链接框_邮箱);
        PressOn(link);
        EXPECT_EQ(answers.shellExecutes.size(), 1u);
        EXPECT_TRUE(answers.winExecs.empty());
        PointerLeaves(link);
        EXPECT_EQ(LinkTextColour(link), kLinkColour);
    });
}

TEST_F(MainWindowTest, CopyButtonPutsExactlyTheAddressOnTheClipboard)
{
    SetRawClipboardText("something else\r\n");
    DialogAnswers answers;
    InAboutWindow([&](HWND about) {
        SendMessageA(AboutControl(about, 按钮_复制), BM_CLICK, 0, 0);
        EXPECT_EQ(RawClipboardText(), kContactAddress);
        ASSERT_EQ(answers.messageBoxes.size(), 1u);
        EXPECT_EQ(answers.messageBoxes[0].text, "复制成功！");
        EXPECT_EQ(answers.messageBoxes[0].title, "信息");
        EXPECT_EQ(answers.messageBoxes[0].flags, static_cast<UINT>(MB_ICONINFORMATION | MB_TASKMODAL));
    });
}

TEST_F(MainWindowTest, CopyReportsFailureWhileAnotherProgramHoldsTheClipboard)
{
    SetRawClipboardText("held");
    HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    // Another thread has the clipboard open for a window of its own: to the
    // program it is busy, as when another program holds it.
    std::thread holder([&] {
        const HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        const BOOL held = OpenClipboard(owner);
        SetEvent(opened);
        WaitForSingleObject(release, 10000);
        if (held)
            CloseClipboard();
        DestroyWindow(owner);
    });
    WaitForSingleObject(opened, 10000);
    DialogAnswers answers;
    InAboutWindow([&](HWND about) {
        SendMessageA(AboutControl(about, 按钮_复制), BM_CLICK, 0, 0);
        ASSERT_EQ(answers.messageBoxes.size(), 1u);
        EXPECT_EQ(answers.messageBoxes[0].text, "复制失败！");
        EXPECT_EQ(answers.messageBoxes[0].title, "错误");
        EXPECT_EQ(answers.messageBoxes[0].flags, static_cast<UINT>(MB_ICONERROR | MB_TASKMODAL));
    });
    SetEvent(release);
    holder.join();
    CloseHandle(opened);
    CloseHandle(release);
    EXPECT_EQ(RawClipboardText(), "held");
}
