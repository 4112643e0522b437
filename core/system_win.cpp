#include "core/system.h"

#include "core/display_text.h"

namespace {

// Milliseconds are dropped: every date-time the program holds is whole seconds.
DateTime DateTimeFromSystemTime(const SYSTEMTIME& time)
{
    return MakeDateTime(time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond);
}

// Looks one path up as a directory listing would see it; the search handle
// is closed at once. A path ending in a backslash, a drive root and a path
// beyond MAX_PATH are not found.
bool FindEntry(const Text& path, WIN32_FIND_DATAA& entry)
{
    const HANDLE search = FindFirstFileA(path.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return true;
}

}  // namespace

DateTime CurrentDateTime()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return DateTimeFromSystemTime(now);
}

int TickCountMs()
{
    return static_cast<int>(GetTickCount());
}

int32_t ElapsedMs(int startMs, int endMs)
{
    return static_cast<int32_t>(static_cast<uint32_t>(endMs) - static_cast<uint32_t>(startMs));
}

// The present time-zone offset and daylight-saving state apply to every file
// time, whatever its date, as the system's own file lists show them.
DateTime DateTimeFromFileTime(const FILETIME& fileTime)
{
    FILETIME local;
    SYSTEMTIME time;
    if (!FileTimeToLocalFileTime(&fileTime, &local) || !FileTimeToSystemTime(&local, &time))
        return EmptyDateTime;
    return DateTimeFromSystemTime(time);
}

DateTime FileModifiedTime(const Text& path)
{
    WIN32_FIND_DATAA entry;
    return FindEntry(path, entry) ? DateTimeFromFileTime(entry.ftLastWriteTime) : EmptyDateTime;
}

int64_t FileSizeBytes(const Text& path)
{
    WIN32_FIND_DATAA entry;
    if (!FindEntry(path, entry))
        return -1;
    return static_cast<int64_t>((uint64_t{entry.nFileSizeHigh} << 32) | entry.nFileSizeLow);
}

Text FileSizeText(const Text& path)
{
    return FormatSize(FileSizeBytes(path));
}

std::optional<FileIdentity> IdentityOf(const Text& path)
{
    // Backup semantics let a folder be opened; a link is followed to its target.
    const HANDLE handle = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info;
    const bool read = GetFileInformationByHandle(handle, &info) != FALSE;
    CloseHandle(handle);
    if (!read)
        return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber, (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}
