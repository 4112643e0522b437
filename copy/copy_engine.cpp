#include "copy/copy_engine.h"

#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include "copy/copy_paths.h"
#include "core/session.h"
#include "core/system.h"
#include "results/checked_rows.h"
#include "ui/controls.h"
#include "ui/dialog_seam.h"
#include "ui/dialogs.h"

namespace {

constexpr char kFailureHeading[] = "以下文件复制失败：\r\n";

// The progress bar repaints itself at once on every move, which costs about
// as much as copying a small file under Wine. Moving it at most once per
// screen frame, and to the final count at the end, looks just the same.
constexpr int kFrameMs = 16;

// What one copy keeping the folder structure remembers from file to file.
struct StructuredCopy {
    Text destination;
    EnsuredFolders ensured;
    TickedSources sources;
    int barMovedAt;
};

// The size FileSizeBytes reports for a file, read from its attributes: a
// directory lookup costs ten times as much under Wine.
int64_t FileSizeFromAttributes(const Text& path)
{
    WIN32_FILE_ATTRIBUTE_DATA attributes;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &attributes))
        return -1;
    return static_cast<int64_t>((uint64_t{attributes.nFileSizeHigh} << 32) | attributes.nFileSizeLow);
}

// An existing target is overwritten only when it is none of the files being
// copied: writing over one would lose it, or copy wrong contents later on.
bool CopyOverOtherFiles(const Text& source, const Text& target, TickedSources& sources)
{
    if (CopyFileA(source.c_str(), target.c_str(), TRUE))
        return true;
    if (GetLastError() != ERROR_FILE_EXISTS || IsTickedSource(target, sources))
        return false;
    return CopyFileA(source.c_str(), target.c_str(), FALSE) != FALSE;
}

// The target joins its pieces as they are: a file in the root folder, or a
// drive-root destination, gives doubled backslashes, which Win32 reads as one.
bool CopyIntoItsFolder(const Text& source, StructuredCopy& copy)
{
    const Text fileName = FileNameOf(source);
    const Text folder = RelativeFolder(source, fileName);
    if (!StaysInsideDestination(folder))
        return false;
    if (!folder.empty())
        EnsureRelativeFolders(folder, copy.destination, copy.ensured);
    return CopyOverOtherFiles(source, JoinTexts({copy.destination, "\\", folder, "\\", fileName}), copy.sources);
}

void CountCopiedFile(const Text& source, StructuredCopy& copy)
{
    g_copiedBytes += FileSizeFromAttributes(source);
    ++g_copiedCount;
    if (ElapsedMs(copy.barMovedAt, TickCountMs()) >= kFrameMs) {
        SetProgressPosition(g_copiedCount);
        copy.barMovedAt = TickCountMs();
    }
}

Text CopyKeepingStructure(const Text& destination)
{
    StructuredCopy copy{destination, {}, {}, TickCountMs() - kFrameMs};
    Text failureText = kFailureHeading;
    const size_t count = g_checkedPaths.size();
    for (size_t i = 0; i < count; ++i) {
        const Text& source = g_checkedPaths[i];
        if (CopyIntoItsFolder(source, copy))
            CountCopiedFile(source, copy);
        else
            failureText += JoinTexts({source, "\r\n"});
    }
    SetProgressPosition(g_copiedCount);
    return failureText == kFailureHeading ? kCopySucceeded : failureText;
}

Text CopyFlat(const Text& destination)
{
    const bool copied = ShellCopyFiles(destination, g_checkedPaths);
    if (copied) {
        g_copiedBytes = SumCheckedSizes();
        g_copiedCount = static_cast<int32_t>(g_checkedPaths.size());
    }
    return BoolToText(copied);
}

// A block of texts for the shell: each followed by a zero byte, then one more.
std::string ZeroSeparated(const TextList& texts)
{
    std::string block;
    for (const Text& text : texts) {
        block += text;
        block.push_back('\0');
    }
    block.push_back('\0');
    return block;
}

}  // namespace

Text CopyCheckedFiles()
{
    const Text destination = BrowseForFolder("请选择文件存放目的目录：");
    if (destination.empty())
        return kNoDestination;
    const Text question = JoinTexts({"是否将选中的", IntToText(static_cast<int>(g_checkedPaths.size())),
                                     "个文件复制到\r\n", destination});
    if (ShowMessageBox(question, kStyleInfoCancel, "确认信息：") == kButtonCancel)
        return kCopyCancelled;
    BeginBusyCursor();
    const int start = TickCountMs();
    const Text outcome = IsTicked(选择框_原目录结构) ? CopyKeepingStructure(destination) : CopyFlat(destination);
    g_copyMs = ElapsedMs(start, TickCountMs());
    EndBusyCursor();
    return outcome;
}

void EnsureRelativeFolders(const Text& relativeFolder, const Text& destination, EnsuredFolders& ensured)
{
    Text level;
    bool first = true;
    for (const Text& name : SplitText(relativeFolder, "\\")) {
        level = first ? name : JoinTexts({level, "\\", name});
        first = false;
        if (ensured.count(level))
            continue;
        const Text candidate = JoinTexts({destination, "\\", level});
        if (PathIsDirectoryA(candidate.c_str()) || CreateDirectoryA(candidate.c_str(), nullptr))
            ensured.insert(level);
    }
}

int64_t SumCheckedSizes()
{
    CollectCheckedRows();
    int64_t total = 0;
    for (const Text& path : g_checkedPaths)
        total += FileSizeFromAttributes(path);
    return total;
}

bool ShellCopyFiles(const Text& destination, const TextList& sources)
{
    TextList present;
    for (const Text& source : sources)
        if (!source.empty())
            present.push_back(source);
    if (present.empty())
        return false;
    const std::string from = ZeroSeparated(present);
    const std::string to = ZeroSeparated({destination});
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_COPY;
    operation.pFrom = from.c_str();
    operation.pTo = to.c_str();
    // The shell's dialogs need no owner; the guard keeps the program's windows disabled.
    ShellDialogGuard guard;
    guard.Enter();
    const int result = Dialogs().fileOperation(&operation);
    guard.Leave();
    return result == 0 && !operation.fAnyOperationsAborted;
}
