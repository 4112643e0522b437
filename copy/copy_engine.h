// Copying the ticked files into a folder the user picks: one by one into
// their folders relative to the searched folder, or all side by side through
// the shell's multi-file copy.
#pragma once

#include <cstdint>
#include <unordered_set>

#include "core/text.h"

// What CopyCheckedFiles returns, besides the list of failed files.
inline constexpr char kCopySucceeded[] = "真";
inline constexpr char kShellCopyFailed[] = "假";
inline constexpr char kCopyCancelled[] = "取消";
inline constexpr char kNoDestination[] = "请选择有效的目的目录！";

// Relative folders known to exist, every level of them, under the destination
// of one copy: each level is looked up only once per copy.
using EnsuredFolders = std::unordered_set<Text>;

// Asks for the destination and a confirmation, copies g_checkedPaths, sets
// the copy counters and returns the outcome.
Text CopyCheckedFiles();
// Makes every missing level of destination\relativeFolder, shortest first.
void EnsureRelativeFolders(const Text& relativeFolder, const Text& destination, EnsuredFolders& ensured);
// Collects the ticked rows again and totals their sizes.
int64_t SumCheckedSizes();
// One shell copy of every non-empty source into the destination, with the
// shell's own questions; true when it ended without error or abort.
bool ShellCopyFiles(const Text& destination, const TextList& sources);
