#include "ui/program.h"

#include <new>

#include <windows.h>
#include <commctrl.h>

#include "core/session.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/message_loop.h"

namespace {

void (*g_exitRoutine)() = nullptr;

// Made at start-up: once memory has run out, making this text could fail too,
// and each failure would call the handler again until the stack overflowed.
const Text kOutOfMemoryMessage = "内存不足，Velmora 无法继续运行，即将退出。";

void EndAfterOutOfMemory()
{
    EndAfterFatalError(kOutOfMemoryMessage);
}

}  // namespace

void InitPlatformLayer()
{
    std::set_new_handler(EndAfterOutOfMemory);
    INITCOMMONCONTROLSEX controls = {sizeof(controls),
                                     ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    // The shell's folder browser needs COM on this thread.
    OleInitialize(nullptr);
}

void EndAfterFatalError(const Text& message)
{
    ShowMessageBox(message, kStyleError, "Velmora");
    ExitProcess(1);
}

bool RunExitRoutine()
{
    void (*routine)() = g_exitRoutine;
    g_exitRoutine = nullptr;
    if (routine)
        routine();
    return routine != nullptr;
}

int StartProgram()
{
    InitPlatformLayer();
    InitSession();
    g_exitRoutine = ReleaseSession;
    if (!LoadMainWindow())
        EndAfterFatalError("无法创建 Velmora 的主窗口，程序无法启动。");
    RunMessageLoop();
    RunExitRoutine();
    return 0;
}
