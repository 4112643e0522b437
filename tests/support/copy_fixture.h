// For the copy tests: a main window whose result list holds rows of real
// files, as a search of a scratch folder leaves them, and snapshots of
// folder trees to show what a copy changed.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/text.h"
#include "tests/support/wine_test.h"

// Every folder and file under a folder, by its path relative to that folder:
// "<folder>" for a folder, the contents and last-write time for a file. The
// subtree `skipped` (a relative path) is left out.
using TreeSnapshot = std::map<Text, std::string>;
TreeSnapshot SnapshotTree(const Text& folder, const Text& skipped = "");

// What the copy progress bar shows.
int BarPosition();
int BarMaximum();

// Names the two copy modes in parameterised tests: true keeps the folders.
std::string CopyModeName(const ::testing::TestParamInfo<bool>& info);

class CopyTest : public MainWindowTest {
protected:
    // Sets g_rootPath as a search of the folder sets it, with its closing
    // backslash, and appends one row per relative path; ticked unless told.
    void ShowFoundFiles(const Text& root, const std::vector<Text>& relativePaths, bool ticked = true);
    // Writes the files (relative path, contents) under the scratch folder.
    void WriteFiles(const std::vector<std::pair<Text, std::string>>& files);

    ScratchFolder scratch;
};
