#include "ui/program_windows.h"

#include <algorithm>

namespace {

std::vector<HWND> g_windows;

}  // namespace

void AddProgramWindow(HWND window)
{
    g_windows.push_back(window);
}

void RemoveProgramWindow(HWND window)
{
    g_windows.erase(std::remove(g_windows.begin(), g_windows.end(), window), g_windows.end());
    if (g_windows.empty())
        PostQuitMessage(0);
}

const std::vector<HWND>& ProgramWindows()
{
    return g_windows;
}
