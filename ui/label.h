// The program's own text label: a child window that paints its caption with
// DrawText on the button face, in the font and colour it was given (black
// unless told otherwise).
#pragma once

#include <windows.h>

constexpr char kLabelClass[] = "VelmoraLabel";

// Label styles (the low bits of the window style, as for a static control).
constexpr DWORD kLabelLeft = 0x0;
constexpr DWORD kLabelCentre = 0x1;
constexpr DWORD kLabelRight = 0x2;
// One line, vertically centred; without it the caption wraps from the top.
constexpr DWORD kLabelOneLine = 0x4;

bool RegisterLabelClass(HINSTANCE instance);

void SetLabelColour(HWND label, COLORREF colour);
