#include "tests/support/unix_side.h"

#include <windows.h>

namespace {

using UnixFileName = char*(CDECL*)(LPCWSTR);
using UnixSpawn = LONG(CDECL*)(char* const* arguments, int wait);

template <typename Function>
Function WineExport(const char* module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(module), name)));
}

std::wstring WideText(const Text& text)
{
    std::wstring wide(text.size(), L'\0');
    const int size = static_cast<int>(text.size());
    wide.resize(static_cast<size_t>(MultiByteToWideChar(936, 0, text.data(), size, wide.data(), size)));
    return wide;
}

// The first drive letter from R on that names nothing yet.
char FreeDriveLetter()
{
    for (char letter = 'R'; letter < 'Z'; ++letter)
        if (GetFileAttributesA((Text(1, letter) + ":\\").c_str()) == INVALID_FILE_ATTRIBUTES)
            return letter;
    return 0;
}

// Wine keeps its drive letters as links in the prefix's dosdevices folder.
std::string DriveLinkPath(char letter)
{
    const std::string drive = UnixPathOf("C:\\");  // ".../dosdevices/c:/"
    const size_t end = drive.rfind("c:");
    if (end == std::string::npos || !letter)
        return std::string();
    return drive.substr(0, end) + static_cast<char>(letter - 'A' + 'a') + ":";
}

}  // namespace

std::string UnixPathOf(const Text& path)
{
    const auto unixFileName = WineExport<UnixFileName>("kernel32.dll", "wine_get_unix_file_name");
    char* unixPath = unixFileName ? unixFileName(WideText(path).c_str()) : nullptr;
    if (!unixPath)
        return std::string();
    const std::string result = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

bool RunUnixProgram(const std::vector<std::string>& arguments)
{
    const auto spawn = WineExport<UnixSpawn>("ntdll.dll", "__wine_unix_spawnvp");
    if (!spawn)
        return false;
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    return spawn(argv.data(), TRUE) == 0;
}

UnixLink::UnixLink(const std::string& link, const std::string& target)
    : m_link(link), m_made(!link.empty() && !target.empty() && RunUnixProgram({"/bin/ln", "-s", target, link}))
{
}

UnixLink::~UnixLink()
{
    if (m_made)
        RunUnixProgram({"/bin/rm", "-f", m_link});
}

FolderLink::FolderLink(const Text& link, const Text& target) : UnixLink(UnixPathOf(link), UnixPathOf(target)) {}

ScratchDrive::ScratchDrive(const Text& folder) : ScratchDrive(folder, FreeDriveLetter()) {}

ScratchDrive::ScratchDrive(const Text& folder, char letter)
    : UnixLink(DriveLinkPath(letter), UnixPathOf(folder)), m_root(Text(1, letter) + ":\\")
{
}
