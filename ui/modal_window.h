// The Help and About windows: fixed, centred top-level windows that keep the
// program's other windows disabled while they are open.
#pragma once

#include <windows.h>

struct ModalWindowSetting {
    const char* className;
    const char* caption;
    int width, height;  // outer size
    // Creates the window's controls; false when one cannot be made.
    bool (*createControls)(HWND window);
    // Handles what is particular to the window and passes the rest to ModalWindowProc.
    WNDPROC procedure;
};

// Creates the window, shows it centred on the screen and runs its own message
// loop until it is closed, with every other program window disabled; then
// gives those windows their enabled state back and destroys it.
void OpenModalWindow(const ModalWindowSetting& setting);

// What a modal window does with the messages its own procedure leaves: it
// creates its controls, and a close request ends its loop.
LRESULT CALLBACK ModalWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
