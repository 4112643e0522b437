// The commands that act on the result list's rows through the details box
// 编辑框_更多信息 or the shell: a row's details, its folder, the size total.
#pragma once

#include <cstdint>

// Writes the current row's path, modification time and size, read from the
// disk now, into the details box; empties the box when there is no path.
void ShowRowDetails();
// Opens the folder that holds the current row's file in the file manager.
void OpenRowLocation();
// Collects the ticked rows afresh and adds up their files' sizes; a file that
// cannot be found counts -1.
int64_t TotalCheckedSize();
// Writes the number of ticked files and their total size into the details box.
void ShowCheckedSizeTotal();
