#include "tests/support/file_state.h"

#include <gtest/gtest.h>

FILETIME FileTimeFromLocal(const SYSTEMTIME& local)
{
    // LocalFileTimeToFileTime applies the present offset, the exact inverse of
    // the FileTimeToLocalFileTime the lookups use. TzSpecificLocalTimeToSystemTime
    // would apply the offset in force on that date instead.
    FILETIME localFileTime = {};
    FILETIME fileTime = {};
    EXPECT_TRUE(SystemTimeToFileTime(&local, &localFileTime));
    EXPECT_TRUE(LocalFileTimeToFileTime(&localFileTime, &fileTime));
    return fileTime;
}

void SetLocalWriteTime(const Text& path, const SYSTEMTIME& local)
{
    const HANDLE handle = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE) << path;
    const FILETIME fileTime = FileTimeFromLocal(local);
    EXPECT_TRUE(SetFileTime(handle, nullptr, nullptr, &fileTime));
    CloseHandle(handle);
}

SYSTEMTIME Local(int year, int month, int day, int hour, int minute, int second, int milliseconds)
{
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    time.wSecond = static_cast<WORD>(second);
    time.wMilliseconds = static_cast<WORD>(milliseconds);
    return time;
}

int64_t MakeSparseFile(const Text& path, int64_t size)
{
    const HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD returned = 0;
    DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
    LARGE_INTEGER end;
    end.QuadPart = size;
    EXPECT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN));
    EXPECT_TRUE(SetEndOfFile(file));
    FILE_STANDARD_INFO info = {};
    EXPECT_TRUE(GetFileInformationByHandleEx(file, FileStandardInfo, &info, sizeof(info)));
    CloseHandle(file);
    return info.AllocationSize.QuadPart;
}

bool MakeLongPathFolder(const Text& folder)
{
    const std::wstring wide = L"\\\\?\\" + std::wstring(folder.begin(), folder.end());
    for (size_t slash = wide.find(L'\\', 7); slash != std::wstring::npos; slash = wide.find(L'\\', slash + 1))
        CreateDirectoryW(wide.substr(0, slash).c_str(), nullptr);
    CreateDirectoryW(wide.c_str(), nullptr);
    const std::wstring filePath = wide + L"\\f.txt";
    const HANDLE file = CreateFileW(filePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}
