// The "拷贝文件" command: its two triggers, the progress group and the report.
#include <windows.h>

#include "copy/copy_command.h"
#include "core/session.h"
#include "results/result_list.h"
#include "tests/support/copy_fixture.h"
#include "tests/support/dialog_watcher.h"
#include "tests/support/list_helpers.h"
#include "ui/controls.h"
#include "ui/list_menu.h"
#include "ui/main_window.h"

namespace {

constexpr UINT kErrorFlags = 0x2010;
constexpr UINT kInfoFlags = 0x2040;
constexpr UINT kQuestionFlags = 0x2041;
constexpr int kCopyMenuItem = 7;

bool ProgressGroupVisible()
{
    return IsWindowVisible(Control(分组框_文件复制进度)) && IsWindowVisible(Control(进度条_复制进度));
}

Text TimeLine()
{
    return "复制文件耗时：" + IntToText(g_copyMs) + " 毫秒";
}

void ClickCopyButton()
{
    SendMessageA(Control(按钮_拷贝文件), BM_CLICK, 0, 0);
}

void ChooseCopyMenuItem()
{
    SendMessageA(MainWindow(), WM_COMMAND, MAKEWPARAM(kFirstMenuId + kCopyMenuItem, 0), 0);
}

// Copy tests in either mode, keeping the folders or flat.
class CopyCommandInMode : public CopyTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        CopyTest::SetUp();
        SetTicked(选择框_原目录结构, GetParam());
    }
};

}  // namespace

TEST_F(CopyTest, WithNothingTickedTheButtonAndTheMenuItemOnlySayWhatIsMissing)
{
    AddRows({"a.txt", "b.txt"});
    for (void (*trigger)() : {ClickCopyButton, ChooseCopyMenuItem}) {
        DialogAnswers answers;
        g_copiedCount = 5;
        g_copiedBytes = 5000;
        g_copyMs = 50;
        trigger();
        ASSERT_EQ(answers.messageBoxes.size(), 1u);
        EXPECT_EQ(answers.messageBoxes[0].text, "请先选择需要复制的文件!");
        EXPECT_EQ(answers.messageBoxes[0].title, "错误");
        EXPECT_EQ(answers.messageBoxes[0].flags, kErrorFlags);
        EXPECT_TRUE(answers.browsePrompts.empty());
        EXPECT_EQ(g_copiedCount, 5);
        EXPECT_EQ(g_copiedBytes, 5000);
        EXPECT_EQ(g_copyMs, 50);
        EXPECT_FALSE(ProgressGroupVisible());
    }
}

TEST_P(CopyCommandInMode, CancelledPromptReportsNoValidDestination)
{
    WriteFiles({{"src\\a.txt", "a"}});
    ShowFoundFiles(scratch.Join("src"), {"a.txt"});
    DialogAnswers answers;
    answers.AnswerFolder("");
    bool groupShownWithReport = false;
    answers.onMessageBox = [&](const DialogAnswers::MessageBoxCall&) { groupShownWithReport = ProgressGroupVisible(); };
    CopyCommand();

    EXPECT_EQ(answers.browsePrompts, std::vector<Text>{"请选择文件存放目的目录："});
    ASSERT_EQ(answers.messageBoxes.size(), 1u);
    EXPECT_EQ(answers.messageBoxes[0].text,
              "成功复制：0 个文件！\r\n复制文件大小约为：0 B\r\n复制文件耗时：0 毫秒\r\n请选择有效的目的目录！");
    EXPECT_EQ(answers.messageBoxes[0].title, "错误：");
    EXPECT_EQ(answers.messageBoxes[0].flags, kErrorFlags);
    EXPECT_EQ(groupShownWithReport, GetParam());
    EXPECT_FALSE(ProgressGroupVisible());
}

TEST_P(CopyCommandInMode, CancelledConfirmationCopiesNothingAndReportsNothing)
{
    WriteFiles({{"src\\a.txt", "a"}, {"src\\b\\b.txt", "b"}});
    scratch.MakeFolder("out");
    ShowFoundFiles(scratch.Join("src"), {"a.txt", "b\\b.txt"});
    DialogAnswers answers;
    answers.AnswerFolder(scratch.Join("out"));
    answers.AnswerMessageBox(IDCANCEL);
    bool groupShownWithQuestion = false;
    answers.onMessageBox = [&](const DialogAnswers::MessageBoxCall&) { groupShownWithQuestion = ProgressGroupVisible(); };
    CopyCommand();

    ASSERT_EQ(answers.messageBoxes.size(), 1u);
    EXPECT_EQ(answers.messageBoxes[0].text, "是否将选中的2个文件复制到\r\n" + scratch.Join("out"));
    EXPECT_EQ(answers.messageBoxes[0].title, "确认信息：");
    EXPECT_EQ(answers.messageBoxes[0].flags, kQuestionFlags);
    EXPECT_EQ(groupShownWithQuestion, GetParam());
    EXPECT_FALSE(ProgressGroupVisible());
    EXPECT_TRUE(SnapshotTree(scratch.Join("out")).empty());
    EXPECT_EQ(g_copiedCount, 0);
    EXPECT_EQ(g_copyMs, 0);
}

TEST_P(CopyCommandInMode, SuccessfulCopyReportsThreeLinesAsInformation)
{
    WriteFiles({{"src\\a.txt", "aa"}, {"src\\b\\b.txt", "bbb"}});
    scratch.MakeFolder("out");
    ShowFoundFiles(scratch.Join("src"), {"a.txt", "b\\b.txt"});
    DialogAnswers answers;
    answers.AnswerFolder(scratch.Join("out"));
    CopyCommand();

    ASSERT_EQ(answers.messageBoxes.size(), 2u);
    EXPECT_EQ(answers.messageBoxes[1].text, "成功复制：2 个文件！\r\n复制文件大小约为：5 B\r\n" + TimeLine());
    EXPECT_EQ(answers.messageBoxes[1].title, "信息：");
    EXPECT_EQ(answers.messageBoxes[1].flags, kInfoFlags);
    EXPECT_EQ(ReadBytes(scratch.Join(GetParam() ? "out\\b\\b.txt" : "out\\b.txt")), "bbb");
    EXPECT_FALSE(ProgressGroupVisible());
}

INSTANTIATE_TEST_SUITE_P(Modes, CopyCommandInMode, ::testing::Values(true, false), CopyModeName);

TEST_F(CopyTest, TwoFailuresOfFiveAreListedAfterTheReport)
{
    WriteFiles({{"src\\1.txt", "1"},
                {"src\\gone\\2.txt", "22"},
                {"src\\3.txt", "3"},
                {"src\\held\\4.txt", "44"},
                {"src\\d\\5.txt", "5555"},
                {"out\\held\\4.txt", "held"}});
    ShowFoundFiles(scratch.Join("src"), {"1.txt", "gone\\2.txt", "3.txt", "held\\4.txt", "d\\5.txt"});
    DeleteFileA(scratch.Join("src\\gone\\2.txt").c_str());
    const HANDLE held = CreateFileA(scratch.Join("out\\held\\4.txt").c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    DialogAnswers answers;
    answers.AnswerFolder(scratch.Join("out"));
    CopyCommand();
    CloseHandle(held);

    ASSERT_EQ(answers.messageBoxes.size(), 2u);
    const Text& report = answers.messageBoxes[1].text;
    EXPECT_EQ(report, "成功复制：3 个文件！\r\n复制文件大小约为：6 B\r\n" + TimeLine() + "\r\n以下文件复制失败：\r\n" +
                          scratch.Join("src\\gone\\2.txt") + "\r\n" + scratch.Join("src\\held\\4.txt") + "\r\n");
    EXPECT_EQ(answers.messageBoxes[1].title, "错误：");
    EXPECT_EQ(answers.messageBoxes[1].flags, kErrorFlags);
    EXPECT_EQ(g_copiedCount, 3);
    EXPECT_EQ(BarPosition(), 3);
    EXPECT_EQ(BarMaximum(), 5);
    EXPECT_FALSE(ProgressGroupVisible());
}

TEST_F(CopyTest, FlatCopyThatFailsReportsFalseWithZeroCounters)
{
    WriteFiles({{"src\\a.txt", "a"}, {"src\\gone.txt", "gone"}});
    scratch.MakeFolder("out");
    ShowFoundFiles(scratch.Join("src"), {"a.txt", "gone.txt"});
    DeleteFileA(scratch.Join("src\\gone.txt").c_str());
    SetTicked(选择框_原目录结构, false);
    DialogAnswers answers;
    answers.AnswerFolder(scratch.Join("out"));
    CopyCommand();

    ASSERT_EQ(answers.messageBoxes.size(), 2u);
    EXPECT_EQ(answers.messageBoxes[1].text, "成功复制：0 个文件！\r\n复制文件大小约为：0 B\r\n" + TimeLine() + "\r\n假");
    EXPECT_EQ(answers.messageBoxes[1].title, "错误：");
}

TEST_F(CopyTest, MoreTickedRowsThanTheBarHoldsGiveTheBarItsLargestMaximum)
{
    AddNumberedRows(32770);
    for (int row = 0; row < 32770; ++row)
        SetCheckState(row, kTicked);
    DialogAnswers answers;
    answers.AnswerFolder(scratch.Path());
    answers.AnswerMessageBox(IDCANCEL);
    int maximumDuringCopy = -1;
    answers.onMessageBox = [&](const DialogAnswers::MessageBoxCall&) { maximumDuringCopy = BarMaximum(); };
    CopyCommand();
    ASSERT_EQ(answers.messageBoxes.size(), 1u);
    EXPECT_EQ(answers.messageBoxes[0].text, "是否将选中的32770个文件复制到\r\n" + scratch.Path());
    EXPECT_EQ(maximumDuringCopy, 32767);
}

TEST_F(CopyTest, RealFolderBrowserConfirmationAndReportRunTheCopyFromTheButton)
{
    // Outside the temporary folder, which other tests keep changing while the browser is up.
    const Text destination = "C:\\velmora-copy-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(destination.c_str(), nullptr);
    WriteFiles({{"src\\a\\f.txt", "real"}});
    ShowFoundFiles(scratch.Join("src"), {"a\\f.txt"});
    SetForegroundWindow(window);
    bool selected = false;
    Text question, reportTitle, report;
    DialogWatcher watcher({[&](HWND browser) {
                               // Cancelled unless chosen: OK would copy into the browser's default, the Desktop.
                               selected = SelectFolder(browser, destination, destination.substr(3));
                               PostMessageA(browser, WM_COMMAND, selected ? IDOK : IDCANCEL, 0);
                           },
                           [&](HWND box) {
                               question = MessageBoxText(box);
                               PressDialogButton(box, IDOK);
                           },
                           [&](HWND box) {
                               reportTitle = WindowText(box);
                               report = MessageBoxText(box);
                               PressDialogButton(box, IDOK);
                           }});
    ClickCopyButton();
    const bool answered = watcher.Answered();
    const auto copied = ReadBytes(destination + "\\a\\f.txt");
    RemoveTree(destination);

    ASSERT_TRUE(answered);
    ASSERT_TRUE(selected);
    EXPECT_EQ(question, "是否将选中的1个文件复制到\r\n" + destination);
    EXPECT_EQ(reportTitle, "信息：");
    EXPECT_EQ(report, "成功复制：1 个文件！\r\n复制文件大小约为：4 B\r\n" + TimeLine());
    EXPECT_EQ(copied, "real");
    EXPECT_TRUE(IsWindowEnabled(window));
}
