// Driving another process's windows as a person would: finding windows and
// controls, typing, clicking, answering boxes, reading the result list. Only
// window messages and the other process's memory are used, never code of the
// program itself.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <windows.h>

using Bytes = std::string;  // texts in the program's code page (GBK)

// A block of memory in the other process, for messages that carry pointers.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    void* Address() const { return m_address; }
    LPARAM Param() const { return reinterpret_cast<LPARAM>(m_address); }
    void Write(const void* data, size_t size, size_t offset = 0);
    void Read(void* data, size_t size, size_t offset = 0) const;

private:
    HANDLE m_process;
    void* m_address;
};

// Waits up to timeoutMs for a condition, polling; true once it holds.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs);

// The visible top-level window of the process with this class or caption (either may be null).
HWND FindTopWindow(DWORD processId, const char* className, const Bytes* caption);
// The child of `window` whose rectangle, in the window's client area, starts at (x, y).
HWND ChildAt(HWND window, int x, int y);
Bytes WindowText(HWND window);
void SetText(HWND control, const Bytes& text);
// A button press as a person makes it; the handler runs in the program's own time.
void Press(HWND button);
bool IsChecked(HWND box);
void PressKey(HWND window, WPARAM key);

struct MessageBoxSeen {
    HWND box = nullptr;
    Bytes title;
    Bytes text;
};
// Waits for a message box of the process and reads it.
MessageBoxSeen WaitForMessageBox(DWORD processId, DWORD timeoutMs);
// Presses the box's button with this identifier (IDOK, IDCANCEL) and waits until the box is gone.
bool AnswerMessageBox(const MessageBoxSeen& box, int buttonId, DWORD timeoutMs);

// The result list, read through the list-view messages.
int ListRowCount(HWND list);
Bytes ListCell(HANDLE process, HWND list, int row, int column);
bool ListRowTicked(HWND list, int row);
// Clicks the row's check box with the mouse.
void ClickListCheckBox(HANDLE process, HWND list, int row);
void RightClickList(HWND list, POINT point);

// Chooses a folder in the shell's folder browser by expanding its tree.
bool ChooseFolderInBrowser(HANDLE process, HWND browser, const Bytes& path);
