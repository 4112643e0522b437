// The main window's controls as data: one row a control, in stacking order.
#pragma once

#include <windows.h>

// Creates every control of the table inside the main window, in order; false
// when one of them cannot be created.
bool CreateMainWindowControls(HWND window);
