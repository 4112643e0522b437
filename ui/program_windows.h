// The program's top-level windows: the main window and, while open, the Help
// or the About window. When the last of them is destroyed the program ends.
#pragma once

#include <vector>

#include <windows.h>

void AddProgramWindow(HWND window);
// Forgets the window; posts the quit message (exit code 0) when none is left.
void RemoveProgramWindow(HWND window);
const std::vector<HWND>& ProgramWindows();
