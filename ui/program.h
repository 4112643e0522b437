// Start-up and shutdown of the whole program.
#pragma once

#include "core/text.h"

// Common controls, COM for the shell dialogs, and the out-of-memory handler.
void InitPlatformLayer();

// Creates the session and the main window, runs the message loop until the
// last window has gone, then releases everything. Returns 0.
int StartProgram();

// Runs the registered exit routine if one is still registered; true if it ran.
bool RunExitRoutine();

// Shows the error and ends the process: used when start-up cannot go on or
// memory runs out.
[[noreturn]] void EndAfterFatalError(const Text& message);
