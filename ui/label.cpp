#include "ui/label.h"

#include "core/text.h"

namespace {

constexpr int kFontSlot = 0;

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

void PaintLabel(HWND label)
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(label, &paint);
    RECT client;
    GetClientRect(label, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));

    Text text(static_cast<size_t>(GetWindowTextLengthA(label)) + 1, '\0');
    const int length = GetWindowTextA(label, text.data(), static_cast<int>(text.size()));
    const HFONT font = reinterpret_cast<HFONT>(GetWindowLongPtrA(label, kFontSlot));
    const HGDIOBJ oldFont = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    DrawTextA(dc, text.c_str(), length, &client, DrawTextFormat(static_cast<DWORD>(GetWindowLongPtrA(label, GWL_STYLE))));
    SelectObject(dc, oldFont);
    EndPaint(label, &paint);
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        PaintLabel(label);
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
    labelClass.cbWndExtra = sizeof(LONG_PTR);
    labelClass.hInstance = instance;
    labelClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    labelClass.lpszClassName = kLabelClass;
    return RegisterClassExA(&labelClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
