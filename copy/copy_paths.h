// The pieces of a path that a copy keeping the folder structure works with,
// and what it may write: only inside the destination, and never over one of
// the files it is copying.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <utility>

#include <windows.h>

#include "core/system.h"
#include "core/text.h"

// The text after the last backslash; a path without one is its own name.
Text FileNameOf(const Text& path);
// The folders between g_rootPath and the file, without a leading or trailing
// backslash; empty for a file directly in the root folder.
Text RelativeFolder(const Text& path, const Text& fileName);
// False for a relative folder that would lead out of the destination.
bool StaysInsideDestination(const Text& relativeFolder);

// The files of g_checkedPaths by folder identity and case-free name, and the
// identities of the folders looked up so far. Filled on first need during one
// copy: reading a folder's identity costs about a millisecond.
struct TickedSources {
    bool collected = false;
    std::set<std::pair<FileIdentity, Text>> files;
    std::map<Text, std::optional<FileIdentity>> folders;
};

// True when the existing file at the path is one of g_checkedPaths (reached
// through any spelling of its folder), or when its folder cannot be told.
bool IsTickedSource(const Text& path, TickedSources& sources);
