// AboutWindow ("关于"): the version, the author, the contact address as a
// link with a button that copies it, and a note of thanks.
#pragma once

// The one contact address of the program, shown by the link and copied by the button.
constexpr char kContactAddress[] = "mail@example.com";

// The window's controls, in stacking order from the top; a control's
// child-window identifier is kFirstAboutControlId plus its name.
enum AboutControlName : int {
    按钮_复制,
    标签_留言,
    超级链接框_邮箱,
    标签_作者,
    标签_版本,
    标签_联系我,
};
constexpr int kFirstAboutControlId = 3100;

// Opens the window modally; returns once it has been closed.
void OpenAboutWindow();

// Puts the contact address on the clipboard, reads it back and says whether it got there.
void CopyContactAddress();
