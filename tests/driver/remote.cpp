#include "tests/driver/remote.h"

#include <commctrl.h>
#include <shlobj.h>

RemoteBuffer::RemoteBuffer(HANDLE process, size_t size)
    : m_process(process),
      m_address(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))
{
}

RemoteBuffer::~RemoteBuffer()
{
    if (m_address)
        VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
}

void RemoteBuffer::Write(const void* data, size_t size, size_t offset)
{
    WriteProcessMemory(m_process, static_cast<char*>(m_address) + offset, data, size, nullptr);
}

void RemoteBuffer::Read(void* data, size_t size, size_t offset) const
{
    ReadProcessMemory(m_process, static_cast<const char*>(m_address) + offset, data, size, nullptr);
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(20);
    }
}

namespace {

struct TopWindowSearch {
    DWORD processId;
    const char* className;
    const Bytes* caption;
    HWND found;
};

BOOL CALLBACK MatchTopWindow(HWND window, LPARAM param)
{
    auto& search = *reinterpret_cast<TopWindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || !IsWindowVisible(window))
        return TRUE;
    char className[64] = {};
    GetClassNameA(window, className, sizeof(className));
    if (search.className && lstrcmpA(className, search.className) != 0)
        return TRUE;
    if (search.caption && WindowText(window) != *search.caption)
        return TRUE;
    search.found = window;
    return FALSE;
}

RECT ClientRectOf(HWND child, HWND parent)
{
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

struct ChildSearch {
    HWND parent;
    POINT corner;
    HWND found;
};

BOOL CALLBACK MatchChildAt(HWND child, LPARAM param)
{
    auto& search = *reinterpret_cast<ChildSearch*>(param);
    if (GetParent(child) != search.parent)
        return TRUE;
    const RECT rect = ClientRectOf(child, search.parent);
    if (rect.left != search.corner.x || rect.top != search.corner.y)
        return TRUE;
    search.found = child;
    return FALSE;
}

void PostButton(HWND window, UINT down, UINT up, WPARAM keys, POINT point)
{
    const LPARAM position = MAKELPARAM(point.x, point.y);
    PostMessageA(window, down, keys, position);
    PostMessageA(window, up, 0, position);
}

}  // namespace

HWND FindTopWindow(DWORD processId, const char* className, const Bytes* caption)
{
    TopWindowSearch search = {processId, className, caption, nullptr};
    EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ChildAt(HWND window, int x, int y)
{
    ChildSearch search = {window, {x, y}, nullptr};
    EnumChildWindows(window, MatchChildAt, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

Bytes WindowText(HWND window)
{
    // WM_GETTEXT crosses processes; GetWindowTextA does not.
    char text[4096] = {};
    SendMessageA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
    return text;
}

void SetText(HWND control, const Bytes& text)
{
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Press(HWND button)
{
    PostMessageA(button, BM_CLICK, 0, 0);
}

bool IsChecked(HWND box)
{
    return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void PressKey(HWND window, WPARAM key)
{
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

MessageBoxSeen WaitForMessageBox(DWORD processId, DWORD timeoutMs)
{
    MessageBoxSeen seen;
    // Other dialogs (the folder browser) share the class; a message box has its text control.
    WaitFor(
        [&] {
            seen.box = FindTopWindow(processId, "#32770", nullptr);
            return seen.box && GetDlgItem(seen.box, 0xFFFF);
        },
        timeoutMs);
    if (seen.box && !GetDlgItem(seen.box, 0xFFFF))
        seen.box = nullptr;
    if (!seen.box)
        return seen;
    seen.title = WindowText(seen.box);
    // The box's text is the static control 0xFFFF; it is filled in when the box is shown.
    WaitFor([&] { return !(seen.text = WindowText(GetDlgItem(seen.box, 0xFFFF))).empty(); }, timeoutMs);
    return seen;
}

bool AnswerMessageBox(const MessageBoxSeen& box, int buttonId, DWORD timeoutMs)
{
    PostMessageA(GetDlgItem(box.box, buttonId), BM_CLICK, 0, 0);
    return WaitFor([&] { return !IsWindow(box.box); }, timeoutMs);
}

int ListRowCount(HWND list)
{
    return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

Bytes ListCell(HANDLE process, HWND list, int row, int column)
{
    constexpr size_t kTextSize = 1024;
    RemoteBuffer remote(process, sizeof(LVITEMA) + kTextSize);
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = static_cast<char*>(remote.Address()) + sizeof(LVITEMA);
    item.cchTextMax = kTextSize;
    remote.Write(&item, sizeof(item));
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), remote.Param());
    char text[kTextSize] = {};
    remote.Read(text, kTextSize - 1, sizeof(LVITEMA));
    return text;
}

bool ListRowTicked(HWND list, int row)
{
    const LRESULT state = SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK);
    return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

void ClickListCheckBox(HANDLE process, HWND list, int row)
{
    RemoteBuffer remote(process, sizeof(RECT) + sizeof(LVHITTESTINFO));
    RECT bounds = {LVIR_BOUNDS, 0, 0, 0};
    remote.Write(&bounds, sizeof(bounds));
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), remote.Param());
    remote.Read(&bounds, sizeof(bounds));
    const LONG middle = (bounds.top + bounds.bottom) / 2;
    // The check box is the state picture at the row's left end.
    for (LONG x = bounds.left; x < bounds.left + 64; ++x) {
        LVHITTESTINFO hit = {};
        hit.pt = {x, middle};
        remote.Write(&hit, sizeof(hit), sizeof(RECT));
        const int hitRow = static_cast<int>(
            SendMessageA(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(static_cast<char*>(remote.Address()) +
                                                                        sizeof(RECT))));
        remote.Read(&hit, sizeof(hit), sizeof(RECT));
        if (hitRow == row && (hit.flags & LVHT_ONITEMSTATEICON)) {
            PostButton(list, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, {x + 3, middle});
            return;
        }
    }
}

void RightClickList(HWND list, POINT point)
{
    PostButton(list, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, point);
}

bool ChooseFolderInBrowser(HANDLE process, HWND browser, const Bytes& path)
{
    const HWND tree = FindWindowExA(browser, nullptr, WC_TREEVIEWA, nullptr);
    RemoteBuffer remote(process, path.size() + 1);
    remote.Write(path.c_str(), path.size() + 1);
    // The browser sometimes loses a selection request made from another
    // process; ask again until its tree shows the folder's own name.
    const Bytes name = path.substr(path.find_last_of('\\') + 1);
    for (int attempt = 0; attempt < 10; ++attempt) {
        SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, remote.Param());
        const bool selected = WaitFor(
            [&] {
                const auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
                if (!item)
                    return false;
                RemoteBuffer itemBuffer(process, sizeof(TVITEMA) + 260);
                TVITEMA request = {};
                request.mask = TVIF_TEXT;
                request.hItem = item;
                request.pszText = static_cast<char*>(itemBuffer.Address()) + sizeof(TVITEMA);
                request.cchTextMax = 260;
                itemBuffer.Write(&request, sizeof(request));
                SendMessageA(tree, TVM_GETITEMA, 0, itemBuffer.Param());
                char text[260] = {};
                itemBuffer.Read(text, 259, sizeof(TVITEMA));
                return name == text;
            },
            1000);
        if (selected) {
            PostMessageA(browser, WM_COMMAND, IDOK, 0);
            return true;
        }
    }
    return false;
}
