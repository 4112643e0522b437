// Acting in the middle of a long operation, as a user would: an action
// queued here runs when the operation next lets the thread's messages run
// (the folder walk does after each subfolder), or in the test's own waits.
#pragma once

#include <functional>

void RunAtNextPump(std::function<void()> action);
