#include "ui/dialogs.h"

#include "ui/dialog_seam.h"
#include "ui/message_loop.h"
#include "ui/program_windows.h"

namespace {

// The cursor that showed before the busy cursor was switched on; null while it is off.
HCURSOR g_savedCursor = nullptr;

void FreeItemList(PIDLIST_ABSOLUTE items)
{
    IMalloc* shellAllocator = nullptr;
    if (SUCCEEDED(SHGetMalloc(&shellAllocator))) {
        shellAllocator->Free(items);
        shellAllocator->Release();
    }
}

}  // namespace

int ShowMessageBox(const Text& text, int style, const Text& title)
{
    UINT flags = static_cast<UINT>(style);
    if (!(flags & MB_SYSTEMMODAL))
        flags |= MB_TASKMODAL;
    const int result = Dialogs().messageBox(nullptr, text.c_str(), title.c_str(), flags);
    return result >= IDOK && result <= IDNO ? result - 1 : 0;
}

Text BrowseForFolder(const Text& prompt)
{
    char path[MAX_PATH] = {};
    BROWSEINFOA info = {};
    ShellDialogGuard guard;
    info.hwndOwner = guard.Enter();
    info.pidlRoot = nullptr;  // the tree starts at the desktop
    info.pszDisplayName = path;
    info.lpszTitle = prompt.c_str();
    info.ulFlags = BIF_EDITBOX;
    const PIDLIST_ABSOLUTE items = Dialogs().browseForFolder(&info);
    guard.Leave();
    if (!items)
        return Text();
    path[0] = '\0';
    // Items outside the file system (the control panel, say) have no path.
    Text result;
    if (SHGetPathFromIDListA(items, path) && path[0])
        result = path;
    FreeItemList(items);
    return result;
}

void BeginBusyCursor()
{
    // A system cursor is shared and never freed; loading it once saves a call
    // to the window server each time the walk puts the cursor back.
    static const HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
    const HCURSOR previous = SetCursor(wait);
    if (!g_savedCursor)
        g_savedCursor = previous;
}

void EndBusyCursor()
{
    if (g_savedCursor) {
        SetCursor(g_savedCursor);
        g_savedCursor = nullptr;
    }
    // Moving the pointer onto itself makes the window under it set its own cursor again.
    POINT position;
    if (GetCursorPos(&position))
        SetCursorPos(position.x, position.y);
}

void PumpPendingMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
        GetMessageA(&msg, nullptr, 0, 0);
        HandleQueuedMessage(msg);
    }
}

void FocusControl(HWND, HWND control)
{
    SetFocus(control);
}

HWND ShellDialogGuard::Enter()
{
    m_active = GetActiveWindow();
    if (!IsWindow(m_active))
        m_active = nullptr;
    m_foreground = GetForegroundWindow();
    m_disabled.clear();
    for (HWND window : ProgramWindows()) {
        if (!IsWindow(window) || GetParent(window))
            continue;
        m_disabled.emplace_back(window, IsWindowEnabled(window) != FALSE);
        EnableWindow(window, FALSE);
    }
    return m_active;
}

void ShellDialogGuard::Leave()
{
    for (const auto& [window, wasEnabled] : m_disabled)
        EnableWindow(window, wasEnabled);
    if (IsWindow(m_foreground))
        SetForegroundWindow(m_foreground);
    if (IsWindow(m_active))
        SetActiveWindow(m_active);
}
