#include "tests/support/running_program.h"

#include "tests/support/wine_test.h"

bool RunningProgram::Start()
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    Text command = "\"" + ProgramExePath() + "\"";
    return CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process) !=
           FALSE;
}

HWND RunningProgram::FindMainWindow() const
{
    HWND found = nullptr;
    for (HWND window = FindWindowExA(nullptr, nullptr, kMainWindowClass, nullptr); window;
         window = FindWindowExA(nullptr, window, kMainWindowClass, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process.dwProcessId && IsWindowVisible(window))
            found = window;
    }
    return found;
}

bool RunningProgram::WaitForExit(int timeoutMs) const
{
    return WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
}

RunningProgram::~RunningProgram()
{
    if (process.hProcess) {
        if (!WaitForExit(0))
            TerminateProcess(process.hProcess, 99);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
}

DWORD ExitCode(const RunningProgram& program)
{
    DWORD code = 12345;
    GetExitCodeProcess(program.process.hProcess, &code);
    return code;
}
