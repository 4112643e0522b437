// Looking into the program's windows in tests: the modal Help and About
// windows (they run their own message loop, so the checks run inside it),
// places, rich text and painted colours.
#pragma once

#include <functional>

#include <windows.h>

#include "core/text.h"

// Calls `open`, which returns only once its window has closed. As soon as the
// window with this caption is up, `whileOpen` runs on it inside the window's
// own loop; it must ask the window to close. A window still open 10 s later
// is destroyed and the test fails.
void WhileWindowOpen(void (*open)(), const Text& caption, const std::function<void(HWND)>& whileOpen);

// The window's rectangle relative to its parent's client area.
RECT PlaceInParent(HWND window);
Text ClassOf(HWND window);
// Checks the control's class (in any case) and its place in its parent.
void ExpectControlAt(HWND control, const char* className, int x, int y, int width, int height);
// The font the window draws with (the default GUI font when it was given none).
LOGFONTA WindowFont(HWND window);

// The bytes a rich edit box holds, its paragraphs ending in "\r\n".
Text RichEditText(HWND box);

// The format of a top-down 32-bit bitmap of this size, its pixels 0x00RRGGBB.
BITMAPINFO TopDown32BitFormat(LONG width, LONG height);

// Paints the window's client area into a bitmap and counts its pixels of the colour.
int PixelsOfColour(HWND window, COLORREF colour);
