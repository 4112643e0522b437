// Giving test files a chosen last-write time or size.
#pragma once

#include <cstdint>

#include <windows.h>

#include "core/text.h"

SYSTEMTIME Local(int year, int month, int day, int hour, int minute, int second, int milliseconds = 0);
// The file time that the lookups show as this local wall-clock time.
FILETIME FileTimeFromLocal(const SYSTEMTIME& local);
// Sets the last-write time of a file or folder to a local wall-clock time.
void SetLocalWriteTime(const Text& path, const SYSTEMTIME& local);
// Makes a file of `size` bytes whose contents were never written: sparse,
// so that it takes next to no disk. Returns the bytes it takes on disk.
int64_t MakeSparseFile(const Text& path, int64_t size);
// Makes the folder, its missing parents and an empty file f.txt in it
// through the wide API, which takes paths beyond 260 bytes. ASCII paths only.
bool MakeLongPathFolder(const Text& folder);
