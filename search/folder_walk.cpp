#include "search/folder_walk.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include <windows.h>

#include "core/display_text.h"
#include "core/session.h"
#include "core/system.h"
#include "results/checked_rows.h"
#include "results/result_list.h"
#include "ui/controls.h"
#include "ui/dialogs.h"

namespace {

// The number of the latest search; a walk that started under an earlier
// number stops at its next look.
int g_searchNumber = 0;

constexpr char kEveryName[] = "*.*";
constexpr int kLabelIntervalMs = 100;

// A folder the walk is inside. Its identity is looked up only when a link
// below it has to be checked, since a lookup costs far more than listing a
// whole folder of files.
struct EnteredFolder {
    const Text* path;
    bool lookedUp;
    std::optional<FileIdentity> identity;
};

struct Walk {
    const Text& pattern;
    // With "*.*" the files pass and the folders pass see the same entries,
    // so one listing serves both.
    bool oneListing;
    int search;
    std::vector<EnteredFolder> inside;
    int labelWrittenMs;
};

struct Subfolder {
    Text name;
    // Only a link can lead back to a folder the walk is inside.
    bool isLink;
};

const std::optional<FileIdentity>& IdentityOfEntered(EnteredFolder& folder)
{
    if (!folder.lookedUp) {
        folder.identity = IdentityOf(*folder.path);
        folder.lookedUp = true;
    }
    return folder.identity;
}

// A link is not entered when it leads to a folder the walk is already
// inside: that would walk the same files again and again. A link whose
// target cannot be identified is entered.
bool ClosesLoop(Walk& walk, const std::optional<FileIdentity>& target)
{
    if (!target)
        return false;
    for (EnteredFolder& folder : walk.inside)
        if (IdentityOfEntered(folder) == target)
            return true;
    return false;
}

bool IsFolder(const WIN32_FIND_DATAA& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsSubfolder(const WIN32_FIND_DATAA& entry)
{
    const std::string_view name = entry.cFileName;
    return IsFolder(entry) && name != "." && name != "..";
}

Subfolder SubfolderOf(const WIN32_FIND_DATAA& entry)
{
    return {entry.cFileName, (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0};
}

// Runs `visit` on each entry of a listing, in the file system's order, until
// it returns false; returns false then. A listing that cannot start (nothing
// matches, no access, the folder is gone or its path too long) gives nothing.
template <typename Visit>
bool ForEachEntry(const Text& pathPattern, Visit visit)
{
    WIN32_FIND_DATAA entry;
    const HANDLE listing = FindFirstFileA(pathPattern.c_str(), &entry);
    if (listing == INVALID_HANDLE_VALUE)
        return true;
    bool goesOn = true;
    do
        goesOn = visit(entry);
    while (goesOn && FindNextFileA(listing, &entry));
    FindClose(listing);
    return goesOn;
}

bool InRange(DateTime modified)
{
    return SecondsBetween(modified, g_rangeStart) >= -1e-7 && SecondsBetween(modified, g_rangeEnd) <= 1e-7;
}

int64_t SizeOf(const WIN32_FIND_DATAA& entry)
{
    return static_cast<int64_t>((uint64_t{entry.nFileSizeHigh} << 32) | entry.nFileSizeLow);
}

// How the files of one folder become rows. No message runs during a
// folder's files pass, so the two boxes, which only a handler can change,
// read the same for each of its files. They are read once per folder, and a
// click on them during the walk still counts from the next file on.
struct RowMaker {
    bool filterOn;
    // The folder as the rows show it: in full, or relative to the root.
    Text rowFolder;
};

RowMaker RowMakerFor(const Text& folder)
{
    const bool showRoot = IsTicked(选择框_显示根目录);
    return {IsTicked(选择框_修改时间), showRoot ? folder : RemoveLeadingText(folder, g_rootPath)};
}

// The time and size come from the listing itself: looking the file up again
// would cost many times what listing it did. False when the list is gone.
bool AppendFile(const RowMaker& maker, const WIN32_FIND_DATAA& entry)
{
    const DateTime modified = DateTimeFromFileTime(entry.ftLastWriteTime);
    if (maker.filterOn && !InRange(modified))
        return true;
    const int row = AppendRow(JoinTexts({maker.rowFolder, entry.cFileName}));
    if (row < 0)
        return false;
    SetCellText(row, 1, FormatTimestamp(modified));
    SetCellText(row, 2, FormatSize(SizeOf(entry)));
    return true;
}

// The files pass; with one listing it also gathers the subfolders.
bool AppendFiles(const Walk& walk, const Text& folder, std::vector<Subfolder>& subfolders)
{
    const RowMaker maker = RowMakerFor(folder);
    return ForEachEntry(folder + walk.pattern, [&](const WIN32_FIND_DATAA& entry) {
        if (!IsFolder(entry))
            return AppendFile(maker, entry);
        if (walk.oneListing && IsSubfolder(entry))
            subfolders.push_back(SubfolderOf(entry));
        return true;
    });
}

void GatherSubfolders(const Text& folder, std::vector<Subfolder>& subfolders)
{
    ForEachEntry(folder + kEveryName, [&](const WIN32_FIND_DATAA& entry) {
        if (IsSubfolder(entry))
            subfolders.push_back(SubfolderOf(entry));
        return true;
    });
}

bool WalkLevel(Walk& walk, const Text& folder);

// The found-files label shows only when the window repaints, in the message
// pump. Writing it costs as much as listing several files, and then as much
// again for the repaint, so it is written at most every 100 ms.
void RefreshLabelWhenDue(Walk& walk)
{
    const int now = TickCountMs();
    if (ElapsedMs(walk.labelWrittenMs, now) < kLabelIntervalMs)
        return;
    RefreshFoundLabel();
    walk.labelWrittenMs = now;
}

bool HasWaitingMessage()
{
    MSG msg;
    return PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) != FALSE;
}

// Lets the window's waiting messages run: the window repaints, and any
// handler may run, a new search or the window's closing among them. False
// when the walk is to end.
//
// The busy cursor stays on from the start of the walk to its end, and is put
// back after messages have run, since a window under a moving pointer sets
// its own. Switching it off and on at every folder would cost four calls to
// the window server (about 0.15 ms under Wine, a third of listing a folder
// of 50 files), and switching it off moves the pointer onto itself, which
// sends a mouse move: a message waiting at the next folder, and so on.
bool RunWaitingMessages(Walk& walk)
{
    RefreshLabelWhenDue(walk);
    if (!HasWaitingMessage())
        return true;
    PumpPendingMessages();
    if (!SearchGoesOn(walk.search))
        return false;
    BeginBusyCursor();
    return true;
}

// Walks one subfolder, then lets the window's messages run. False when the
// walk is to end.
bool WalkSubfolder(Walk& walk, const Text& folder, const Subfolder& subfolder)
{
    const Text path = JoinTexts({folder, subfolder.name, "\\"});
    const EnteredFolder entered = {&path, subfolder.isLink, subfolder.isLink ? IdentityOf(path) : std::nullopt};
    if (subfolder.isLink && ClosesLoop(walk, entered.identity))
        return true;
    walk.inside.push_back(entered);
    const bool goesOn = WalkLevel(walk, path);
    walk.inside.pop_back();
    return goesOn && RunWaitingMessages(walk);
}

bool WalkLevel(Walk& walk, const Text& folder)
{
    std::vector<Subfolder> subfolders;
    if (!AppendFiles(walk, folder, subfolders))
        return false;
    if (!walk.oneListing)
        GatherSubfolders(folder, subfolders);
    for (const Subfolder& subfolder : subfolders)
        if (!WalkSubfolder(walk, folder, subfolder))
            return false;
    return true;
}

}  // namespace

bool EndsWithBackslash(const Text& folder)
{
    return !folder.empty() && FindLastText(folder, "\\", false) == TextLength(folder);
}

void WalkFolder(Text& folder, const Text& pattern)
{
    if (!EndsWithBackslash(folder))
        folder += "\\";
    BeginBusyCursor();
    Walk walk = {pattern, pattern == kEveryName, g_searchNumber, {{&folder, false, std::nullopt}}, TickCountMs()};
    if (WalkLevel(walk, folder))
        RefreshFoundLabel();
    EndBusyCursor();
}

int BeginSearch()
{
    return ++g_searchNumber;
}

bool SearchGoesOn(int search)
{
    return search == g_searchNumber && Control(超级列表框_显示结果) != nullptr;
}
