// A window's controls as data: one row a control, in stacking order, created
// by one loop. The main window and the About window are laid out this way.
#pragma once

#include <windows.h>

enum FontChoice { kGuiFont, kBold16, kBold14, kNormal16, kBold20, kNormal14 };

constexpr DWORD kPushButton = BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER | WS_TABSTOP;

// Where a control stands inside its parent and how it looks.
struct ControlLook {
    const char* className;
    const char* text;
    int x, y, width, height;
    DWORD style;
    DWORD exStyle;
    FontChoice font;
};

HFONT FontFor(FontChoice choice);

// Creates the control, visible, with the child-window identifier and its font;
// null when it cannot be made.
HWND CreateChildControl(HWND parent, int id, const ControlLook& look);

// Puts the control right under `above` among its siblings (HWND_TOP: on top of
// them all) and returns it, the next control's `above`.
HWND StackUnder(HWND control, HWND above);
