// What the core reads from the system: the clock, the tick count and the
// last-write time and size of a path. Windows only.
#pragma once

#include <cstdint>
#include <optional>

#include <windows.h>

#include "core/datetime.h"
#include "core/text.h"

DateTime CurrentDateTime();
int TickCountMs();
// The milliseconds from one tick count to a later one; a wrap of the count in
// between does not matter.
int32_t ElapsedMs(int startMs, int endMs);
// A file time as FileModifiedTime reports it: local time, whole seconds.
DateTime DateTimeFromFileTime(const FILETIME& fileTime);
DateTime FileModifiedTime(const Text& path);
int64_t FileSizeBytes(const Text& path);
Text FileSizeText(const Text& path);

// A file or folder as the file system knows it, whichever path or link leads to it.
struct FileIdentity {
    DWORD volume;
    uint64_t index;
    bool operator==(const FileIdentity& other) const { return volume == other.volume && index == other.index; }
    bool operator<(const FileIdentity& other) const
    {
        return volume != other.volume ? volume < other.volume : index < other.index;
    }
};
// Opening the path costs about a millisecond under Wine: look up only where needed.
std::optional<FileIdentity> IdentityOf(const Text& path);
