#include "ui/label.h"

#include "ui/controls.h"

namespace {

// Window data: the font, then the text colour (black unless set).
constexpr int kFontSlot = 0;
constexpr int kColourSlot = sizeof(LONG_PTR);

UINT DrawTextFormat(DWORD style)
{
    UINT format = DT_NOPREFIX;
    if (style & kLabelCentre)
        format |= DT_CENTER;
    else if (style & kLabelRight)
        format |= DT_RIGHT;
    if (style & kLabelOneLine)
        format |= DT_SINGLELINE | DT_VCENTER;
    else
        format |= DT_WORDBREAK;
    return format;
}

void PaintLabel(HWND label, HDC dc)
{
    RECT client;
    GetClientRect(label, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));

    const Text text = WindowText(label);
    const HFONT font = reinterpret_cast<HFONT>(GetWindowLongPtrA(label, kFontSlot));
    const HGDIOBJ oldFont = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(GetWindowLongPtrA(label, kColourSlot)));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client,
              DrawTextFormat(static_cast<DWORD>(GetWindowLongPtrA(label, GWL_STYLE))));
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        PaintLabel(label, BeginPaint(label, &paint));
        EndPaint(label, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintLabel(label, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETFONT:
        SetWindowLongPtrA(label, kFontSlot, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam))
            InvalidateRect(label, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrA(label, kFontSlot);
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(label, message, wParam, lParam);
        InvalidateRect(label, nullptr, TRUE);
        return result;
    }
    }
    return DefWindowProcA(label, message, wParam, lParam);
}

}  // namespace

bool RegisterLabelClass(HINSTANCE instance)
{
    WNDCLASSEXA labelClass = {};
    labelClass.cbSize = sizeof(labelClass);
    labelClass.style = CS_HREDRAW | CS_VREDRAW;
    labelClass.lpfnWndProc = LabelProc;
    labelClass.cbWndExtra = 2 * sizeof(LONG_PTR);
    labelClass.hInstance = instance;
    labelClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    labelClass.lpszClassName = kLabelClass;
    return RegisterClassExA(&labelClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void SetLabelColour(HWND label, COLORREF colour)
{
    SetWindowLongPtrA(label, kColourSlot, static_cast<LONG_PTR>(colour));
    InvalidateRect(label, nullptr, TRUE);
}
