#include "results/result_list.h"

#include <windows.h>
#include <commctrl.h>

namespace {

// The list runs in owner-data mode: the rows live here and the control asks
// for what it shows. The program, not the control, owns the check marks, so
// they behave the same on every version of the control.
struct Row {
    Text cells[3];
    bool ticked = false;
};

constexpr int kColumnCount = 3;

struct ColumnSetting {
    const char* title;
    int width;
    int format;
};

const ColumnSetting kColumns[kColumnCount] = {
    {"文件名", 330, LVCFMT_LEFT},
    {"修改时间", 130, LVCFMT_LEFT},
    {"文件大小", 70, LVCFMT_RIGHT},
};

HWND g_list = nullptr;
std::vector<Row> g_rows;
ResultListEvents g_events = {};
// How many rows the control knows of. Telling the control of a new row count
// costs milliseconds under some systems (about 15 ms under Wine, with the
// repaint it brings), far more than listing a file, so appended rows are
// announced together: half a second after the first of them, or at once when
// the control is asked about its rows or picks rows for the user.
size_t g_announcedRows = 0;
constexpr UINT_PTR kAnnounceTimer = 0x564C;
constexpr UINT kAnnounceDelayMs = 500;

void AnnounceRows()
{
    if (g_announcedRows == g_rows.size())
        return;
    KillTimer(g_list, kAnnounceTimer);
    g_announcedRows = g_rows.size();
    SendMessageA(g_list, LVM_SETITEMCOUNT, g_announcedRows, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
}

// Messages that read or pick rows need the control to know every row.
bool NeedsAnnouncedRows(UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_KEYDOWN:
        return true;
    case WM_TIMER:
        return wParam == kAnnounceTimer;
    }
    return message >= LVM_FIRST && message < LVM_FIRST + 0x100;
}

bool IsRow(int row)
{
    return row >= 0 && row < static_cast<int>(g_rows.size());
}

// Only a row on show needs drawing again; one the control does not know of
// yet is drawn when it is announced.
void RedrawRow(int row)
{
    if (static_cast<size_t>(row) >= g_announcedRows)
        return;
    const int top = static_cast<int>(SendMessageA(g_list, LVM_GETTOPINDEX, 0, 0));
    const int page = static_cast<int>(SendMessageA(g_list, LVM_GETCOUNTPERPAGE, 0, 0));
    if (row >= top && row <= top + page)
        SendMessageA(g_list, LVM_REDRAWITEMS, static_cast<WPARAM>(row), static_cast<LPARAM>(row));
}

void ToggleCheckState(int row)
{
    if (IsRow(row))
        SetCheckState(row, g_rows[static_cast<size_t>(row)].ticked ? kUnticked : kTicked);
}

// The row whose check box lies under a point of the list's client area, or -1.
int CheckBoxRowAt(LPARAM point)
{
    LVHITTESTINFO hit = {};
    hit.pt = {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    const int row = static_cast<int>(SendMessageA(g_list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & LVHT_ONITEMSTATEICON) ? row : -1;
}

void Raise(void (*routine)())
{
    if (routine)
        routine();
}

LRESULT CALLBACK ResultListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (NeedsAnnouncedRows(message, wParam))
        AnnounceRows();
    switch (message) {
    case WM_TIMER:
        if (wParam == kAnnounceTimer)
            return 0;
        break;
    case WM_LBUTTONDOWN:
        ToggleCheckState(CheckBoxRowAt(lParam));
        break;
    case WM_LBUTTONDBLCLK:
        ToggleCheckState(CheckBoxRowAt(lParam));
        Raise(g_events.doubleClicked);
        break;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE)
            ToggleCheckState(static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                                           LVNI_FOCUSED)));
        break;
    case WM_NCDESTROY:
        g_list = nullptr;
        g_rows.clear();
        g_announcedRows = 0;
        break;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

// The system's check box, unticked and ticked, as the list's two state pictures.
HIMAGELIST MakeCheckBoxPictures()
{
    const int size = GetSystemMetrics(SM_CXSMICON);
    const HIMAGELIST pictures = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 2, 0);
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const COLORREF transparent = RGB(255, 0, 255);
    for (UINT state : {0u, static_cast<UINT>(DFCS_CHECKED)}) {
        const HBITMAP picture = CreateCompatibleBitmap(screen, size, size);
        const HGDIOBJ old = SelectObject(dc, picture);
        RECT all = {0, 0, size, size};
        const HBRUSH background = CreateSolidBrush(transparent);
        FillRect(dc, &all, background);
        DeleteObject(background);
        RECT box = {2, 2, size - 1, size - 1};
        DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | state);
        SelectObject(dc, old);
        ImageList_AddMasked(pictures, picture, transparent);
        DeleteObject(picture);
    }
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pictures;
}

void InsertColumns()
{
    for (int column = 0; column < kColumnCount; ++column) {
        LVCOLUMNA setting = {};
        setting.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        setting.fmt = kColumns[column].format;
        setting.cx = kColumns[column].width;
        setting.pszText = const_cast<char*>(kColumns[column].title);
        setting.iSubItem = column;
        SendMessageA(g_list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&setting));
    }
}

void FillDisplayInfo(NMLVDISPINFOA& info)
{
    LVITEMA& item = info.item;
    if (!IsRow(item.iItem))
        return;
    const Row& row = g_rows[static_cast<size_t>(item.iItem)];
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0 && item.iSubItem >= 0 &&
        item.iSubItem < kColumnCount)
        lstrcpynA(item.pszText, row.cells[item.iSubItem].c_str(), item.cchTextMax);
    if (item.mask & LVIF_STATE) {
        item.state = (item.state & ~LVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(row.ticked ? 2 : 1);
        item.stateMask |= LVIS_STATEIMAGEMASK;
    }
}

bool GainedFocus(const NMLISTVIEW& change)
{
    return (change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_FOCUSED) && !(change.uOldState & LVIS_FOCUSED);
}

}  // namespace

void SetupResultList(HWND list)
{
    g_list = list;
    g_rows.clear();
    g_announcedRows = 0;
    const DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(MakeCheckBoxPictures()));
    SendMessageA(list, LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
    SendMessageA(list, LVM_SETTEXTCOLOR, 0, RGB(0, 0, 0));
    SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, RGB(255, 255, 255));
    SendMessageA(list, LVM_SETBKCOLOR, 0, RGB(255, 255, 255));
    InsertColumns();
    SetWindowSubclass(list, ResultListProc, 0, 0);
}

int RowCount()
{
    return static_cast<int>(g_rows.size());
}

int AppendRow(const Text& path)
{
    if (!g_list)
        return -1;
    const int row = RowCount();
    if (g_announcedRows == g_rows.size())
        SetTimer(g_list, kAnnounceTimer, kAnnounceDelayMs, nullptr);
    g_rows.push_back(Row{{path, Text(), Text()}, false});
    return row;
}

Text CellText(int row, int column)
{
    if (!IsRow(row) || column < 0 || column >= kColumnCount)
        return Text();
    return g_rows[static_cast<size_t>(row)].cells[column];
}

void SetCellText(int row, int column, const Text& text)
{
    if (!IsRow(row) || column < 0 || column >= kColumnCount)
        return;
    g_rows[static_cast<size_t>(row)].cells[column] = text;
    RedrawRow(row);
}

int CheckState(int row)
{
    if (!IsRow(row))
        return kNoSuchRow;
    return g_rows[static_cast<size_t>(row)].ticked ? kTicked : kUnticked;
}

void SetCheckState(int row, int state)
{
    if (!IsRow(row))
        return;
    g_rows[static_cast<size_t>(row)].ticked = state == kTicked;
    RedrawRow(row);
}

std::vector<int> HighlightedRows()
{
    std::vector<int> rows;
    int row = -1;
    while ((row = static_cast<int>(SendMessageA(g_list, LVM_GETNEXTITEM, static_cast<WPARAM>(row),
                                                LVNI_SELECTED))) != -1 &&
           IsRow(row))
        rows.push_back(row);
    return rows;
}

int CurrentRow()
{
    const int row = static_cast<int>(SendMessageA(g_list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return IsRow(row) ? row : -1;
}

void DeleteRow(int row)
{
    if (!IsRow(row))
        return;
    AnnounceRows();
    g_rows.erase(g_rows.begin() + row);
    g_announcedRows = g_rows.size();
    SendMessageA(g_list, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
}

void DeleteAllRows()
{
    g_rows.clear();
    g_announcedRows = 0;
    SendMessageA(g_list, LVM_DELETEALLITEMS, 0, 0);
}

void SetColumnWidth(int column, int width)
{
    SendMessageA(g_list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0));
}

void BindResultListEvents(const ResultListEvents& events)
{
    g_events = events;
}

LRESULT OnResultListNotify(NMHDR* header)
{
    switch (header->code) {
    case LVN_GETDISPINFOA:
        FillDisplayInfo(*reinterpret_cast<NMLVDISPINFOA*>(header));
        break;
    case LVN_ITEMCHANGED:
        if (GainedFocus(*reinterpret_cast<NMLISTVIEW*>(header)))
            Raise(g_events.currentRowChanged);
        break;
    case NM_CLICK:
        Raise(g_events.clicked);
        break;
    case NM_RCLICK:
        Raise(g_events.rightClicked);
        break;
    }
    return 0;
}
