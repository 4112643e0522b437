#include "tests/support/copy_fixture.h"

#include <cstdio>

#include <commctrl.h>

#include "core/session.h"
#include "results/result_list.h"
#include "ui/controls.h"

namespace {

Text WriteTimeText(const FILETIME& time)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%08lx%08lx", static_cast<unsigned long>(time.dwHighDateTime),
                  static_cast<unsigned long>(time.dwLowDateTime));
    return text;
}

void AddToSnapshot(const Text& folder, const Text& relative, const Text& skipped, TreeSnapshot& snapshot)
{
    WIN32_FIND_DATAA entry;
    const HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const Text name = entry.cFileName;
        const Text path = relative.empty() ? name : relative + "\\" + name;
        if (name == "." || name == ".." || path == skipped)
            continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            snapshot[path] = "<folder>";
            AddToSnapshot(folder + "\\" + name, path, skipped, snapshot);
        } else {
            snapshot[path] = ReadBytes(folder + "\\" + name).value_or("<unreadable>") + " @" +
                             WriteTimeText(entry.ftLastWriteTime);
        }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
}

}  // namespace

TreeSnapshot SnapshotTree(const Text& folder, const Text& skipped)
{
    TreeSnapshot snapshot;
    AddToSnapshot(folder, "", skipped, snapshot);
    return snapshot;
}

int BarPosition()
{
    return static_cast<int>(SendMessageA(Control(进度条_复制进度), PBM_GETPOS, 0, 0));
}

int BarMaximum()
{
    return static_cast<int>(SendMessageA(Control(进度条_复制进度), PBM_GETRANGE, FALSE, 0));
}

std::string CopyModeName(const ::testing::TestParamInfo<bool>& info)
{
    return info.param ? "KeepingFolders" : "Flat";
}

void CopyTest::ShowFoundFiles(const Text& root, const std::vector<Text>& relativePaths, bool ticked)
{
    g_rootPath = root + "\\";
    for (const Text& path : relativePaths) {
        const int row = AppendRow(path);
        if (ticked)
            SetCheckState(row, kTicked);
    }
}

void CopyTest::WriteFiles(const std::vector<std::pair<Text, std::string>>& files)
{
    for (const auto& [path, contents] : files)
        scratch.WriteFile(path, contents);
}
