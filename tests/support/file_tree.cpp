#include "tests/support/file_tree.h"

#include <windows.h>

bool WriteBytes(const Text& path, const std::string& contents)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                    nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == contents.size();
}

std::optional<std::string> ReadBytes(const Text& path)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string contents;
    char buffer[65536];
    DWORD read = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buffer, sizeof(buffer), &read, nullptr) != FALSE) && read > 0)
        contents.append(buffer, read);
    CloseHandle(file);
    if (!ok)
        return std::nullopt;
    return contents;
}

void RemoveTree(const Text& path)
{
    WIN32_FIND_DATAA entry;
    const HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const Text name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            const Text child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            const bool isLink = entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !isLink)
                RemoveTree(child);
            else if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveDirectoryA(child.c_str());
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}
