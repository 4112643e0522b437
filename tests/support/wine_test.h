// Shared helpers for the tests that run the Windows build under Wine: bounded
// waits, scripted answers to the program's dialogs, a main-window fixture and
// scratch folders on the real file system.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "core/text.h"
#include "tests/support/file_tree.h"

// Runs the thread's messages until the condition holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 10000);

// Runs every message that is waiting now (and those they cause) as the
// program's own loop does; a WM_QUIT stays queued.
void DrainMessages();

// Answers the program's dialogs for as long as it lives. Message boxes take
// the queued answers (Win32 button ids) in order, then IDOK; folder browsers
// take the queued paths in order (an empty path cancels), then cancel. Shell
// file operations are recorded and then run for real.
class DialogAnswers {
public:
    struct MessageBoxCall {
        Text text;
        Text title;
        UINT flags;
        HWND owner;
    };
    struct ShellExecuteCall {
        Text verb;
        Text file;
        Text parameters;
        Text directory;
        int show;
    };
    struct WinExecCall {
        Text command;
        UINT show;
    };
    struct FileOperationCall {
        UINT function;
        TextList from;  // the zero-separated blocks, one text per entry
        TextList to;
        FILEOP_FLAGS flags;
        HWND owner;
    };

    DialogAnswers();
    ~DialogAnswers();
    DialogAnswers(const DialogAnswers&) = delete;
    DialogAnswers& operator=(const DialogAnswers&) = delete;

    void AnswerMessageBox(int buttonId);
    void AnswerFolder(const Text& path);

    std::vector<MessageBoxCall> messageBoxes;
    std::vector<Text> browsePrompts;
    std::vector<ShellExecuteCall> shellExecutes;
    std::vector<WinExecCall> winExecs;
    // What the shell requests report: success is above 32 for ShellExecuteA
    // and above 31 for WinExec.
    INT_PTR shellExecuteResult = 42;
    UINT winExecResult = 33;
    std::vector<FileOperationCall> fileOperations;
    // Runs inside each message box before it returns, while it is "up".
    std::function<void(const MessageBoxCall&)> onMessageBox;

private:
    friend struct DialogAnswerHooks;
    std::deque<int> m_boxAnswers;
    std::deque<Text> m_folderAnswers;
};

// A scratch folder under the Windows temporary folder, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's path, without a trailing backslash.
    const Text& Path() const { return m_path; }
    // Path() + "\" + relative.
    Text Join(const Text& relative) const;
    // Makes the file (and its folders) with the given contents.
    void WriteFile(const Text& relative, const std::string& contents) const;
    void MakeFolder(const Text& relative) const;

private:
    Text m_path;
};


// The real program file, Velmora.exe, which is built next to the test program.
Text ProgramExePath();

// Each test of this fixture gets a fresh session and a real, visible main window.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND window = nullptr;
};
