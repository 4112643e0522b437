// The folder walk: one row in the result list for each file of a folder tree
// that matches the pattern and, while the time filter is ticked, lies in the
// range g_rangeStart..g_rangeEnd.
#pragma once

#include "core/text.h"

// Walks the folder and, depth first, every folder below it: a folder's own
// files first, then each subfolder's whole tree. Runs the window's pending
// messages after each subfolder. The folder text gets a trailing backslash
// if it lacks one; the caller sees the change. Rows are relative to
// g_rootPath unless 选择框_显示根目录 is ticked.
void WalkFolder(Text& folder, const Text& pattern);

// The folder text ends in a backslash character (not merely a byte 0x5C,
// which is also the second byte of some GBK characters).
bool EndsWithBackslash(const Text& folder);

// A new search, which ends the walk of any earlier one still running (it
// runs further down the stack, inside the message pump); returns its number.
int BeginSearch();
// Whether the search is still the latest one and its window still stands.
bool SearchGoesOn(int search);
