// HelpWindow ("帮助信息"): one read-only text that describes every function.
#pragma once

// The child-window identifier of the window's one control, its rich text box.
constexpr int 超级编辑框_帮助信息 = 3000;

// Opens the window modally; returns once it has been closed.
void OpenHelpWindow();
