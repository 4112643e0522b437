#include "tests/support/wine_test.h"

#include <atomic>

#include <shlobj.h>

#include "core/session.h"
#include "ui/dialog_seam.h"
#include "ui/main_window.h"
#include "ui/message_loop.h"

namespace {

DialogAnswers* g_answers = nullptr;

// The texts of a block of zero-terminated texts that ends with an empty one.
TextList BlockTexts(const char* block)
{
    TextList texts;
    for (; block && *block; block += texts.back().size() + 1)
        texts.push_back(block);
    return texts;
}

}  // namespace

struct DialogAnswerHooks {
    static int WINAPI MessageBox(HWND owner, LPCSTR text, LPCSTR title, UINT flags)
    {
        const DialogAnswers::MessageBoxCall call = {text ? text : "", title ? title : "", flags, owner};
        g_answers->messageBoxes.push_back(call);
        if (g_answers->onMessageBox)
            g_answers->onMessageBox(call);
        if (g_answers->m_boxAnswers.empty())
            return IDOK;
        const int answer = g_answers->m_boxAnswers.front();
        g_answers->m_boxAnswers.pop_front();
        return answer;
    }

    static PIDLIST_ABSOLUTE WINAPI BrowseForFolder(LPBROWSEINFOA info)
    {
        g_answers->browsePrompts.push_back(info->lpszTitle ? info->lpszTitle : "");
        if (g_answers->m_folderAnswers.empty())
            return nullptr;
        const Text path = g_answers->m_folderAnswers.front();
        g_answers->m_folderAnswers.pop_front();
        if (path.empty())
            return nullptr;
        return ILCreateFromPathA(path.c_str());
    }

    static HINSTANCE WINAPI ShellExecute(HWND, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                         INT show)
    {
        g_answers->shellExecutes.push_back(
            {verb ? verb : "", file ? file : "", parameters ? parameters : "", directory ? directory : "", show});
        return reinterpret_cast<HINSTANCE>(g_answers->shellExecuteResult);
    }

    static UINT WINAPI WinExec(LPCSTR command, UINT show)
    {
        g_answers->winExecs.push_back({command ? command : "", show});
        return g_answers->winExecResult;
    }

    static int WINAPI FileOperation(LPSHFILEOPSTRUCTA operation)
    {
        g_answers->fileOperations.push_back({operation->wFunc, BlockTexts(operation->pFrom),
                                             BlockTexts(operation->pTo), operation->fFlags, operation->hwnd});
        return RealDialogs().fileOperation(operation);
    }
};

DialogAnswers::DialogAnswers()
{
    g_answers = this;
    Dialogs().messageBox = DialogAnswerHooks::MessageBox;
    Dialogs().browseForFolder = DialogAnswerHooks::BrowseForFolder;
    Dialogs().shellExecute = DialogAnswerHooks::ShellExecute;
    Dialogs().winExec = DialogAnswerHooks::WinExec;
    Dialogs().fileOperation = DialogAnswerHooks::FileOperation;
}

DialogAnswers::~DialogAnswers()
{
    Dialogs() = RealDialogs();
    g_answers = nullptr;
}

void DialogAnswers::AnswerMessageBox(int buttonId)
{
    m_boxAnswers.push_back(buttonId);
}

void DialogAnswers::AnswerFolder(const Text& path)
{
    m_folderAnswers.push_back(path);
}

void DrainMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
        GetMessageA(&msg, nullptr, 0, 0);
        HandleQueuedMessage(msg);
    }
}

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        DrainMessages();
        if (condition())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

ScratchFolder::ScratchFolder()
{
    static std::atomic<int> counter{0};
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    m_path = Text(temp) + "velmora-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    RemoveTree(m_path);
    CreateDirectoryA(m_path.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder()
{
    RemoveTree(m_path);
}

Text ScratchFolder::Join(const Text& relative) const
{
    return m_path + "\\" + relative;
}

// Paths are split at character boundaries: the second byte of a GBK
// character such as 俓 has the code of a backslash.
void ScratchFolder::MakeFolder(const Text& relative) const
{
    Text path = m_path;
    for (const Text& name : SplitText(relative, "\\")) {
        path += "\\" + name;
        CreateDirectoryA(path.c_str(), nullptr);
    }
}

void ScratchFolder::WriteFile(const Text& relative, const std::string& contents) const
{
    const int slash = FindLastText(relative, "\\", false);
    if (slash > 0)
        MakeFolder(TextLeft(relative, slash - 1));
    ASSERT_TRUE(WriteBytes(Join(relative), contents)) << Join(relative);
}

Text ProgramExePath()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const Text testProgram = path;
    return testProgram.substr(0, testProgram.rfind('\\') + 1) + VELMORA_EXE;
}

void MainWindowTest::SetUp()
{
    InitSession();
    window = LoadMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }));
}

void MainWindowTest::TearDown()
{
    if (IsWindow(window))
        DestroyWindow(window);
    // Destroying the last window posts WM_QUIT; take it so the next test starts clean.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}
