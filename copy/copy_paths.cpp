#include "copy/copy_paths.h"

#include "core/session.h"

namespace {

// The 1-based position of the last backslash character, or -1.
int LastBackslash(const Text& path)
{
    return FindLastText(path, "\\", false);
}

// The folder part of a path, with its closing backslash, so that a file in a
// drive root gives the root ("C:\") and not the drive's current folder.
Text FolderPartOf(const Text& path)
{
    return TextLeft(path, LastBackslash(path));
}

const std::optional<FileIdentity>& IdentityOfFolderOf(const Text& path, TickedSources& sources)
{
    const Text folder = FolderPartOf(path);
    auto known = sources.folders.find(folder);
    if (known == sources.folders.end())
        known = sources.folders.emplace(folder, IdentityOf(folder)).first;
    return known->second;
}

// File names are compared as the file system compares them, regardless of case.
Text NameKey(const Text& path)
{
    Text name = FileNameOf(path);
    CharUpperBuffA(name.data(), static_cast<DWORD>(name.size()));
    return name;
}

void CollectTickedSources(TickedSources& sources)
{
    for (const Text& path : g_checkedPaths)
        if (const std::optional<FileIdentity>& folder = IdentityOfFolderOf(path, sources))
            sources.files.emplace(*folder, NameKey(path));
    sources.collected = true;
}

}  // namespace

Text FileNameOf(const Text& path)
{
    const int slash = LastBackslash(path);
    return slash < 0 ? path : TextRight(path, TextLength(path) - slash);
}

Text RelativeFolder(const Text& path, const Text& fileName)
{
    Text folder = RemoveLeadingText(path, g_rootPath);
    folder = TextLeft(folder, TextLength(folder) - TextLength(fileName));
    if (TextLeft(folder, 1) == "\\")
        folder = TextRight(folder, TextLength(folder) - 1);
    // Only a whole backslash character counts: the second byte of a GBK
    // character such as 俓 has the same code.
    if (!folder.empty() && LastBackslash(folder) == TextLength(folder))
        folder = TextLeft(folder, TextLength(folder) - 1);
    return folder;
}

bool StaysInsideDestination(const Text& relativeFolder)
{
    for (const Text& name : SplitText(relativeFolder, "\\"))
        if (name == "." || name == "..")
            return false;
    return true;
}

bool IsTickedSource(const Text& path, TickedSources& sources)
{
    if (!sources.collected)
        CollectTickedSources(sources);
    const std::optional<FileIdentity>& folder = IdentityOfFolderOf(path, sources);
    return !folder || sources.files.count({*folder, NameKey(path)}) > 0;
}
