// How the folder walk compares with the least any walk must do: listing each
// folder once. Two trees of empty files: 100,000 files in 2,000 folders, and
// 20,000 files in one folder. Making them takes about a minute under Wine, so
// they are kept in the temporary folder and used again by the next run;
// delete velmora-bench-walk-* there to make them anew.
#include <cstdio>
#include <string>

#include "bench/bench_support.h"
#include "core/session.h"
#include "results/result_list.h"
#include "search/folder_walk.h"
#include "ui/controls.h"
#include "ui/main_window.h"
#include "ui/program.h"

namespace {

constexpr int kRounds = 7;

struct TreeShape {
    const char* name;
    int groups;           // folders directly under the root
    int foldersPerGroup;  // folders in each group, holding the files
    int filesPerFolder;
};

// 40 groups of 50 folders of 50 files; and the root alone with 20,000 files.
constexpr TreeShape kWideTree = {"wide", 40, 50, 50};
constexpr TreeShape kOneFolder = {"one-folder", 0, 0, 20000};

std::string TempFolder()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    return temp;
}

void MakeFiles(const std::string& folder, int count)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < count; ++i)
        WriteBytes(folder + "\\IMG_" + std::to_string(i) + ".JPG", "");
}

std::string ShapeText(const TreeShape& shape)
{
    return std::to_string(shape.groups) + "x" + std::to_string(shape.foldersPerGroup) + "x" +
           std::to_string(shape.filesPerFolder);
}

// The tree's root, ending in a backslash; made unless a complete one of the
// same shape is there from an earlier run.
std::string KeptTree(const TreeShape& shape)
{
    const std::string root = TempFolder() + "velmora-bench-walk-" + shape.name;
    const std::string marker = root + ".done";
    WIN32_FIND_DATAA entry;
    const HANDLE found = FindFirstFileA(marker.c_str(), &entry);
    if (found != INVALID_HANDLE_VALUE) {
        FindClose(found);
        std::printf("using the tree %s of an earlier run (%s)\n", shape.name, ShapeText(shape).c_str());
        return root + "\\";
    }
    const double start = NowMs();
    RemoveTree(root);
    CreateDirectoryA(root.c_str(), nullptr);
    if (shape.groups == 0)
        MakeFiles(root, shape.filesPerFolder);
    for (int group = 0; group < shape.groups; ++group) {
        const std::string groupFolder = root + "\\group" + std::to_string(group);
        CreateDirectoryA(groupFolder.c_str(), nullptr);
        for (int folder = 0; folder < shape.foldersPerGroup; ++folder)
            MakeFiles(groupFolder + "\\folder" + std::to_string(folder), shape.filesPerFolder);
    }
    WriteBytes(marker, ShapeText(shape));
    std::printf("made the tree %s (%s) in %.0f s\n", shape.name, ShapeText(shape).c_str(), (NowMs() - start) / 1000);
    return root + "\\";
}

// Lists every folder once and does nothing else; returns the files seen.
int BareWalk(const std::string& folder)
{
    int files = 0;
    WIN32_FIND_DATAA entry;
    const HANDLE listing = FindFirstFileA((folder + "*").c_str(), &entry);
    if (listing == INVALID_HANDLE_VALUE)
        return 0;
    do {
        const std::string name = entry.cFileName;
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            ++files;
        else if (name != "." && name != "..")
            files += BareWalk(folder + name + "\\");
    } while (FindNextFileA(listing, &entry));
    FindClose(listing);
    return files;
}

void DrainQueue()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

// The longest time the walk went without running the window's messages. A
// timer, due every 10 ms at most, is run by each message pump that comes
// after it is due; the gaps between its runs (and from the start and to the
// end of the walk) bound the gaps between pumps from above. The probe makes
// the walk pump at nearly every folder, so the walks that are timed run
// without it.
double g_lastPumpMs = 0;
double g_longestGapMs = 0;

void NoteGap()
{
    const double now = NowMs();
    g_longestGapMs = std::max(g_longestGapMs, now - g_lastPumpMs);
    g_lastPumpMs = now;
}

void CALLBACK OnPumpTimer(HWND, UINT, UINT_PTR, DWORD)
{
    NoteGap();
}

struct WalkResult {
    double ms;
    double longestGapMs;
    int rows;
};

WalkResult TimedWalk(const std::string& root, bool filterOn, bool probePumps)
{
    DeleteAllRows();
    SetTicked(选择框_修改时间, filterOn);
    g_rootPath = root;
    Text folder = root;
    DrainQueue();
    const UINT_PTR timer = probePumps ? SetTimer(nullptr, 0, 10, OnPumpTimer) : 0;
    g_longestGapMs = 0;
    const double start = NowMs();
    g_lastPumpMs = start;
    WalkFolder(folder, "*.*");
    NoteGap();
    const double ms = NowMs() - start;
    if (timer)
        KillTimer(nullptr, timer);
    return {ms, g_longestGapMs, RowCount()};
}

double BareWalkMs(const std::string& root)
{
    const double start = NowMs();
    BareWalk(root);
    return NowMs() - start;
}

struct TreeFigures {
    double bareMs;
    double walkOffMs;
    double walkOnMs;
    double longestGapMs;
};

TreeFigures MeasureTree(const std::string& root, int files)
{
    auto walk = [&](bool filterOn, bool probePumps) {
        const WalkResult result = TimedWalk(root, filterOn, probePumps);
        if (result.rows != files)
            std::printf("  !! the walk listed %d rows of %d files\n", result.rows, files);
        return probePumps ? result.longestGapMs : result.ms;
    };
    const std::vector<double> medians = AlternatingMedians(
        {[&] { return BareWalkMs(root); }, [&] { return walk(false, false); }, [&] { return walk(true, false); },
         [&] { return walk(false, true); }},
        kRounds);
    return {medians[0], medians[1], medians[2], medians[3]};
}

void PrintTree(const char* title, int files, const TreeFigures& figures)
{
    std::printf("%s, %d files, pattern \"*.*\", median of %d alternating rounds\n", title, files, kRounds);
    std::printf("  bare walk (FindFirstFileA/FindNextFileA):  %9.1f ms\n", figures.bareMs);
    std::printf("  WalkFolder, filter off:                     %9.1f ms  ratio %.2f (target 1.5)\n",
                figures.walkOffMs, figures.walkOffMs / figures.bareMs);
    std::printf("  WalkFolder, filter on:                      %9.1f ms  ratio %.2f (target 1.5)\n",
                figures.walkOnMs, figures.walkOnMs / figures.bareMs);
}

}  // namespace

int main()
{
    InitPlatformLayer();
    InitSession();
    const std::string wide = KeptTree(kWideTree);
    const std::string oneFolder = KeptTree(kOneFolder);
    const int wideFiles = kWideTree.groups * kWideTree.foldersPerGroup * kWideTree.filesPerFolder;
    const int oneFolderFiles = kOneFolder.filesPerFolder;
    const HWND window = LoadMainWindow();
    DrainQueue();
    // Where the pointer rests after a click on "开始寻找": the window under it
    // then gets the mouse moves that the busy cursor's switching causes.
    RECT button;
    GetWindowRect(Control(按钮_开始寻找), &button);
    SetCursorPos((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    DrainQueue();
    // A range that holds every file, so that the filter passes all of them.
    g_rangeStart = MakeDateTime(1980, 1, 1, 0, 0, 0);
    g_rangeEnd = MakeDateTime(2200, 1, 1, 0, 0, 0);

    // The first fill, before freed memory is kept for reuse by the heap.
    BareWalk(wide);
    const double before = PrivateBytes();
    const WalkResult first = TimedWalk(wide, false, false);
    const double bytesPerRow = (PrivateBytes() - before) / first.rows;

    const TreeFigures wideFigures = MeasureTree(wide, wideFiles);
    const TreeFigures oneFigures = MeasureTree(oneFolder, oneFolderFiles);
    // The largest single folder, listed bare: the least time any walk goes without pumping.
    const double largestListingMs = oneFigures.bareMs;

    PrintTree("2,040 folders", wideFiles, wideFigures);
    PrintTree("one folder", oneFolderFiles, oneFigures);
    std::printf("longest interval between two message pumps, against the bare listing of the largest folder "
                "(%.1f ms):\n", largestListingMs);
    std::printf("  2,040 folders:  %9.1f ms  ratio %.2f (at most; the probe runs every 10 ms)\n",
                wideFigures.longestGapMs, wideFigures.longestGapMs / largestListingMs);
    std::printf("  one folder:     %9.1f ms  ratio %.2f (target 1.5)\n", oneFigures.longestGapMs,
                oneFigures.longestGapMs / largestListingMs);
    std::printf("memory per listed row (first fill of %d rows): %.0f bytes (target below 1024)\n", first.rows,
                bytesPerRow);
    DestroyWindow(window);
    return 0;
}
