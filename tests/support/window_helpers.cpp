#include "tests/support/window_helpers.h"

#include <richedit.h>

#include <gtest/gtest.h>

namespace {

constexpr UINT kOverdueMs = 10000;

struct OpenWindowChecks {
    Text caption;
    const std::function<void(HWND)>* whileOpen;
    HWND window;
};
OpenWindowChecks* g_checks = nullptr;

// This thread's visible top-level window with the caption, or null.
HWND ThreadWindow(const Text& caption)
{
    const HWND window = FindWindowA(nullptr, caption.c_str());
    if (!window || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId() || !IsWindowVisible(window))
        return nullptr;
    return window;
}

VOID CALLBACK RunChecksOnce(HWND, UINT, UINT_PTR timer, DWORD)
{
    const HWND window = ThreadWindow(g_checks->caption);
    if (!window)
        return;
    KillTimer(nullptr, timer);
    g_checks->window = window;
    (*g_checks->whileOpen)(window);
}

VOID CALLBACK EndOverdueWindow(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (g_checks->window && IsWindow(g_checks->window)) {
        ADD_FAILURE() << "the window \"" << g_checks->caption << "\" did not close";
        DestroyWindow(g_checks->window);
    }
}

}  // namespace

void WhileWindowOpen(void (*open)(), const Text& caption, const std::function<void(HWND)>& whileOpen)
{
    OpenWindowChecks checks = {caption, &whileOpen, nullptr};
    g_checks = &checks;
    const UINT_PTR checkTimer = SetTimer(nullptr, 0, 1, RunChecksOnce);
    const UINT_PTR overdueTimer = SetTimer(nullptr, 0, kOverdueMs, EndOverdueWindow);
    open();
    KillTimer(nullptr, checkTimer);
    KillTimer(nullptr, overdueTimer);
    g_checks = nullptr;
    EXPECT_NE(checks.window, nullptr) << "the window \"" << caption << "\" never came up";
    EXPECT_FALSE(IsWindow(checks.window)) << "the window \"" << caption << "\" is still there";
}

RECT PlaceInParent(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

Text ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

void ExpectControlAt(HWND control, const char* className, int x, int y, int width, int height)
{
    EXPECT_EQ(lstrcmpiA(ClassOf(control).c_str(), className), 0) << ClassOf(control);
    const RECT place = PlaceInParent(control);
    EXPECT_EQ(place.left, x);
    EXPECT_EQ(place.top, y);
    EXPECT_EQ(place.right - place.left, width);
    EXPECT_EQ(place.bottom - place.top, height);
}

LOGFONTA WindowFont(HWND window)
{
    LOGFONTA font = {};
    const HGDIOBJ handle = reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0));
    GetObjectA(handle ? handle : GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    return font;
}

Text RichEditText(HWND box)
{
    GETTEXTLENGTHEX length = {GTL_USECRLF | GTL_PRECISE | GTL_NUMBYTES, CP_ACP};
    const LRESULT bytes = SendMessageA(box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    Text text(static_cast<size_t>(bytes) + 1, '\0');
    GETTEXTEX request = {};
    request.cb = static_cast<DWORD>(text.size());
    request.flags = GT_USECRLF;
    request.codepage = CP_ACP;
    const LRESULT copied =
        SendMessageA(box, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

BITMAPINFO TopDown32BitFormat(LONG width, LONG height)
{
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    return format;
}

int PixelsOfColour(HWND window, COLORREF colour)
{
    RECT client;
    GetClientRect(window, &client);
    const BITMAPINFO info = TopDown32BitFormat(client.right, client.bottom);
    void* bits = nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    const DWORD wanted = (DWORD{GetRValue(colour)} << 16) | (DWORD{GetGValue(colour)} << 8) | GetBValue(colour);
    int count = 0;
    const DWORD* pixels = static_cast<const DWORD*>(bits);
    for (LONG i = 0; i < client.right * client.bottom; ++i)
        count += (pixels[i] & 0xFFFFFF) == wanted;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return count;
}
