#include "ui/dialog_seam.h"

namespace {

const DialogSeam kReal = {MessageBoxA, SHBrowseForFolderA, ShellExecuteA, WinExec, SHFileOperationA};
DialogSeam g_dialogs = kReal;

}  // namespace

DialogSeam& Dialogs()
{
    return g_dialogs;
}

const DialogSeam& RealDialogs()
{
    return kReal;
}
