// How every handler talks to the user: message boxes, the folder browser,
// the busy cursor, the message pump and keyboard focus.
#pragma once

#include <utility>
#include <vector>

#include <windows.h>

#include "core/text.h"

// Message-box styles the program passes.
constexpr int kStyleError = 16;        // MB_OK + MB_ICONERROR
constexpr int kStyleInfo = 64;         // MB_OK + MB_ICONINFORMATION
constexpr int kStyleInfoCancel = 65;   // MB_OKCANCEL + MB_ICONINFORMATION
constexpr int kButtonCancel = 1;       // the code a Cancel, Esc or close box gives

// Shows a task-modal box without owner; returns the button identifier minus
// one (0 for OK, 1 for Cancel), and 0 when the box could not be shown.
int ShowMessageBox(const Text& text, int style, const Text& title);

// The shell's folder browser; the chosen folder's path, or the empty text.
Text BrowseForFolder(const Text& prompt);

void BeginBusyCursor();
void EndBusyCursor();

// Runs every waiting message as the main loop would; a WM_QUIT stays queued.
void PumpPendingMessages();

void FocusControl(HWND window, HWND control);

// Keeps every program window disabled while a shell dialog or the Help or
// About window is up, and puts enabled state, foreground and activation back
// afterwards.
class ShellDialogGuard {
public:
    // Returns the window that is to own the shell dialog (may be null).
    HWND Enter();
    void Leave();

private:
    HWND m_active = nullptr;
    HWND m_foreground = nullptr;
    std::vector<std::pair<HWND, bool>> m_disabled;
};
