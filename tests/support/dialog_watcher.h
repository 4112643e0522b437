// Answering the real dialogs of the thread under test from a second thread,
// as a user at the screen would: message boxes, the folder browser and the
// shell's questions.
#pragma once

#include <functional>
#include <thread>
#include <vector>

#include <windows.h>

#include "core/text.h"
#include "ui/controls.h"

// The first visible dialog box (#32770) of the thread, or null.
HWND VisibleDialogOf(DWORD threadId);

// Waits on a thread of its own for the calling thread's dialog boxes to show,
// one after the other, and answers each with the next answer of the list.
class DialogWatcher {
public:
    using Answer = std::function<void(HWND box)>;

    explicit DialogWatcher(Answer answer);
    explicit DialogWatcher(std::vector<Answer> answers);
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    // Waits for the watcher to finish; true if it found and answered every box.
    bool Answered();

private:
    void Watch(const std::vector<Answer>& answers);

    DWORD m_threadId;
    size_t m_answered = 0;
    size_t m_expected;
    std::thread m_worker;
};

// The text of a message box.
Text MessageBoxText(HWND box);
// Presses a button of a dialog box by its id.
void PressDialogButton(HWND box, int id);

// Selects the folder in the folder browser's tree, as the user would before
// pressing OK; true when the tree shows the folder of that name selected.
bool SelectFolder(HWND browser, const Text& path, const Text& name);
