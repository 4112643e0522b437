// The one door through which the program asks the user or the shell anything
// modal: message boxes, the folder browser, shell requests and the shell's
// multi-file copy. It holds the real Win32 entry points; tests put their own
// answers in its place.
#pragma once

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

struct DialogSeam {
    decltype(&MessageBoxA) messageBox;
    decltype(&SHBrowseForFolderA) browseForFolder;
    decltype(&ShellExecuteA) shellExecute;
    decltype(&WinExec) winExec;
    decltype(&SHFileOperationA) fileOperation;
};

DialogSeam& Dialogs();
// The real entry points, for tests that restore them or pass a call through.
const DialogSeam& RealDialogs();
