#include "tests/support/dialog_watcher.h"

#include "ui/controls.h"

#include <commctrl.h>
#include <shlobj.h>

namespace {

constexpr int kPollMs = 10;
constexpr int kPolls = 1000;  // about 10 s for each box

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM found)
{
    char className[16] = {};
    GetClassNameA(window, className, sizeof(className));
    if (Text(className) != "#32770" || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND WaitForDialogOf(DWORD threadId)
{
    for (int poll = 0; poll < kPolls; ++poll) {
        if (const HWND box = VisibleDialogOf(threadId))
            return box;
        Sleep(kPollMs);
    }
    return nullptr;
}

bool WaitUntilGone(HWND box)
{
    for (int poll = 0; poll < kPolls; ++poll) {
        if (!IsWindow(box) || !IsWindowVisible(box))
            return true;
        Sleep(kPollMs);
    }
    return false;
}

// The name of the folder selected in the folder browser's tree.
Text SelectedFolderName(HWND browser)
{
    const HWND tree = FindWindowExA(browser, nullptr, WC_TREEVIEWA, nullptr);
    char name[MAX_PATH] = {};
    TVITEMA item = {};
    item.mask = TVIF_TEXT;
    item.hItem = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    item.pszText = name;
    item.cchTextMax = sizeof(name);
    if (item.hItem)
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return name;
}

}  // namespace

HWND VisibleDialogOf(DWORD threadId)
{
    HWND found = nullptr;
    EnumThreadWindows(threadId, FindVisibleDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

DialogWatcher::DialogWatcher(Answer answer) : DialogWatcher(std::vector<Answer>{std::move(answer)})
{
}

DialogWatcher::DialogWatcher(std::vector<Answer> answers)
    : m_threadId(GetCurrentThreadId()),
      m_expected(answers.size()),
      m_worker([this, answers = std::move(answers)] { Watch(answers); })
{
}

DialogWatcher::~DialogWatcher()
{
    if (m_worker.joinable())
        m_worker.join();
}

bool DialogWatcher::Answered()
{
    if (m_worker.joinable())
        m_worker.join();
    return m_answered == m_expected;
}

// Each box must be gone before the next is looked for, so that no box is answered twice.
void DialogWatcher::Watch(const std::vector<Answer>& answers)
{
    for (const Answer& answer : answers) {
        const HWND box = WaitForDialogOf(m_threadId);
        if (!box)
            return;
        answer(box);
        ++m_answered;
        if (!WaitUntilGone(box))
            return;
    }
}

Text MessageBoxText(HWND box)
{
    char text[2048] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
    return text;
}

void PressDialogButton(HWND box, int id)
{
    PostMessageA(GetDlgItem(box, id), BM_CLICK, 0, 0);
}

// Wine's browser misses a request made before its tree is filled; a later
// one finds the folder. It compares each level of the path, write time
// included, with the items its tree listed, so a folder written to after the
// tree listed it is never found: the folder's parents must stay unchanged
// while the browser is up (the temporary folder does not, while other tests
// run).
bool SelectFolder(HWND browser, const Text& path, const Text& name)
{
    for (int poll = 0; poll < kPolls / 2; ++poll) {
        SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
        if (SelectedFolderName(browser) == name)
            return true;
        Sleep(kPollMs);
    }
    return false;
}
