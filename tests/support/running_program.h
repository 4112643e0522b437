// The real program, Velmora.exe, started in a process of its own.
#pragma once

#include <windows.h>

constexpr char kMainWindowClass[] = "VelmoraMainWindow";

// Ends the process at the latest when it goes, so that no test leaves one behind.
struct RunningProgram {
    PROCESS_INFORMATION process = {};

    bool Start();
    // The visible main window of this process, or null.
    HWND FindMainWindow() const;
    bool WaitForExit(int timeoutMs) const;
    ~RunningProgram();
};

DWORD ExitCode(const RunningProgram& program);
