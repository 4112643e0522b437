// The program's message handling, shared by the main loop, the message pump
// and the loops of the modal Help and About windows.
#pragma once

#include <windows.h>

// Pre-translation, translation and dispatch of one message taken from the queue.
void HandleQueuedMessage(MSG& msg);

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();
