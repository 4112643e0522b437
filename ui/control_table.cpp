#include "ui/control_table.h"

#include "ui/fonts.h"

HFONT FontFor(FontChoice choice)
{
    switch (choice) {
    case kBold16:
        return StoredFont(16, FW_BOLD);
    case kBold14:
        return StoredFont(14, FW_BOLD);
    case kNormal16:
        return StoredFont(16, FW_NORMAL);
    case kBold20:
        return StoredFont(20, FW_BOLD);
    case kNormal14:
        return StoredFont(14, FW_NORMAL);
    case kGuiFont:
        break;
    }
    return DefaultGuiFont();
}

HWND CreateChildControl(HWND parent, int id, const ControlLook& look)
{
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | look.style;
    const HWND control = CreateWindowExA(look.exStyle, look.className, look.text, style, look.x, look.y, look.width,
                                         look.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                         GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(look.font)), FALSE);
    return control;
}

HWND StackUnder(HWND control, HWND above)
{
    SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return control;
}
