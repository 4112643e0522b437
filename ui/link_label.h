// 超级链接框_: a label that shows an e-mail address as a link. A press of the
// left button on it starts a new message to the address.
#pragma once

#include <windows.h>

constexpr COLORREF kLinkColour = RGB(0, 0, 255);
constexpr COLORREF kLinkHotColour = RGB(255, 0, 0);      // under the pointer
constexpr COLORREF kLinkVisitedColour = RGB(128, 0, 0);  // once it has been opened

// Turns a label whose caption is an e-mail address into its link.
void MakeMailLink(HWND label);
