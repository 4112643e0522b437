// MainWindow: the program's one long-lived window.
#pragma once

#include <windows.h>

// Creates the window and its controls, runs OnMainWindowCreated, then shows it
// centred on the screen. Returns null when the window cannot be created.
HWND LoadMainWindow();
HWND MainWindow();
void OnMainWindowCreated();
