// The copy engine on real files: where each file goes, what is overwritten
// and what never is, failures, and the flat copy through the real shell.
#include <windows.h>
#include <shlwapi.h>

#include "copy/copy_engine.h"
#include "core/session.h"
#include "core/system.h"
#include "results/checked_rows.h"
#include "results/result_list.h"
#include "tests/support/copy_fixture.h"
#include "tests/support/dialog_watcher.h"
#include "ui/controls.h"

namespace {

const auto CaseName = [](const auto& info) { return std::string(info.param.name); };

constexpr char kFailureHeading[] = "以下文件复制失败：\r\n";

// Collects the ticked rows and copies them into the destination, confirmed.
Text CopyTicked(DialogAnswers& answers, const Text& destination, bool keepFolders = true)
{
    SetTicked(选择框_原目录结构, keepFolders);
    answers.AnswerFolder(destination);
    CollectCheckedRows();
    return CopyCheckedFiles();
}

Text FailureList(const std::vector<Text>& sources)
{
    Text list = kFailureHeading;
    for (const Text& source : sources)
        list += source + "\r\n";
    return list;
}

// The snapshot key of every folder level above a relative path.
std::vector<Text> FolderLevelsOf(const Text& path)
{
    const TextList names = SplitText(path, "\\");
    std::vector<Text> levels;
    for (size_t i = 0; i + 1 < names.size(); ++i)
        levels.push_back(levels.empty() ? names[i] : levels.back() + "\\" + names[i]);
    return levels;
}

// ---- Where each file goes, keeping the folder structure --------------------

struct TargetCase {
    const char* name;
    Text found;   // relative to the searched folder scratch\src
    Text target;  // relative to the destination scratch\out
};

void PrintTo(const TargetCase& c, std::ostream* os)
{
    *os << c.name;
}

class StructuredTarget : public CopyTest, public ::testing::WithParamInterface<TargetCase> {};

TEST_P(StructuredTarget, IsTheDestinationPlusTheFoldersBelowTheSearchedFolder)
{
    WriteFiles({{"src\\" + GetParam().found, "contents"}});
    scratch.MakeFolder("out");
    ShowFoundFiles(scratch.Join("src"), {GetParam().found});
    DialogAnswers answers;
    EXPECT_EQ(CopyTicked(answers, scratch.Join("out")), kCopySucceeded);

    TreeSnapshot expected;
    for (const Text& level : FolderLevelsOf(GetParam().target))
        expected[level] = "<folder>";
    expected[GetParam().target] = SnapshotTree(scratch.Join("src"))[GetParam().found];
    EXPECT_EQ(SnapshotTree(scratch.Join("out")), expected);
    EXPECT_EQ(g_copiedCount, 1);
    EXPECT_EQ(g_copiedBytes, 8);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StructuredTarget,
    ::testing::Values(TargetCase{"FileInTheSearchedFolder", "x.txt", "x.txt"},
                      TargetCase{"FileNamedLikePartOfItsFolder", "data\\a", "data\\a"},
                      TargetCase{"ThreeLevelsMadeInOrder", "x\\y\\z\\f.txt", "x\\y\\z\\f.txt"},
                      TargetCase{"FolderEndingInTheByteOfABackslash", "表俓\\f.txt", "表俓\\f.txt"}),
    CaseName);

TEST_F(CopyTest, DriveRootDestinationTakesTheDoubledBackslashes)
{
    const Text name = "velmora-copy-" + std::to_string(GetCurrentProcessId());
    WriteFiles({{"src\\" + name + ".txt", "top"}, {"src\\" + name + "\\f.txt", "inner"}});
    ShowFoundFiles(scratch.Join("src"), {name + ".txt", name + "\\f.txt"});
    DialogAnswers answers;
    const Text outcome = CopyTicked(answers, "C:\\");
    const auto top = ReadBytes("C:\\" + name + ".txt");
    const auto inner = ReadBytes("C:\\" + name + "\\f.txt");
    DeleteFileA(("C:\\" + name + ".txt").c_str());
    RemoveTree("C:\\" + name);

    EXPECT_EQ(outcome, kCopySucceeded);
    EXPECT_EQ(top, "top");
    EXPECT_EQ(inner, "inner");
    ASSERT_EQ(answers.messageBoxes.size(), 1u);
    EXPECT_EQ(answers.messageBoxes[0].text, "是否将选中的2个文件复制到\r\nC:\\");
}

TEST_F(CopyTest, StructuredCopyOverwritesAnExistingTargetWithoutAsking)
{
    WriteFiles({{"src\\x\\y\\z\\f.txt", "new"}, {"out\\x\\y\\z\\f.txt", "older contents"}});
    ShowFoundFiles(scratch.Join("src"), {"x\\y\\z\\f.txt"});
    DialogAnswers answers;
    EXPECT_EQ(CopyTicked(answers, scratch.Join("out")), kCopySucceeded);
    EXPECT_EQ(ReadBytes(scratch.Join("out\\x\\y\\z\\f.txt")), "new");
    EXPECT_EQ(answers.messageBoxes.size(), 1u) << "only the confirmation";
    EXPECT_EQ(g_copiedCount, 1);
    EXPECT_EQ(g_copiedBytes, 3);
}

// ---- Failures are listed and the loop goes on -------------------------------

struct FailureCase {
    const char* name;
    // Makes the copy of src\fails\f.txt fail, or readies the target that is
    // held open during the copy.
    void (*arrange)(const ScratchFolder& scratch);
    bool holdTarget;
};

void PrintTo(const FailureCase& c, std::ostream* os)
{
    *os << c.name;
}

class CopyFailure : public CopyTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(CopyFailure, IsListedBySourcePathAndOnlySuccessesCount)
{
    WriteFiles({{"src\\a.txt", "a"}, {"src\\fails\\f.txt", "failing"}, {"src\\z\\z.txt", "zzzz"}});
    scratch.MakeFolder("out");
    ShowFoundFiles(scratch.Join("src"), {"a.txt", "fails\\f.txt", "z\\z.txt"});
    GetParam().arrange(scratch);
    const TreeSnapshot before = SnapshotTree(scratch.Join("out"));
    const HANDLE held = GetParam().holdTarget
                            ? CreateFileA(scratch.Join("out\\fails\\f.txt").c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)
                            : INVALID_HANDLE_VALUE;
    DialogAnswers answers;
    const Text outcome = CopyTicked(answers, scratch.Join("out"));
    if (held != INVALID_HANDLE_VALUE)
        CloseHandle(held);

    EXPECT_EQ(outcome, FailureList({scratch.Join("src\\fails\\f.txt")}));
    EXPECT_EQ(g_copiedCount, 2);
    EXPECT_EQ(g_copiedBytes, 5);
    EXPECT_EQ(BarPosition(), 2);
    EXPECT_EQ(ReadBytes(scratch.Join("out\\a.txt")), "a");
    EXPECT_EQ(ReadBytes(scratch.Join("out\\z\\z.txt")), "zzzz");
    const TreeSnapshot after = SnapshotTree(scratch.Join("out"));
    for (const auto& [path, entry] : before)
        EXPECT_EQ(after.at(path), entry) << path;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CopyFailure,
    ::testing::Values(
        FailureCase{"SourceRemovedAfterTheSearch",
                    [](const ScratchFolder& scratch) { DeleteFileA(scratch.Join("src\\fails\\f.txt").c_str()); }, false},
        FailureCase{"FolderLevelBlockedByAFile",
                    [](const ScratchFolder& scratch) { scratch.WriteFile("out\\fails", "a file, not a folder"); }, false},
        FailureCase{"TargetHeldOpenWithoutSharing",
                    [](const ScratchFolder& scratch) { scratch.WriteFile("out\\fails\\f.txt", "held"); }, true}),
    CaseName);

// ---- A copy never writes over one of the files it copies ---------------------

struct SourceTargetCase {
    const char* name;
    std::vector<Text> ticked;     // rows, relative to the searched folder scratch\R
    std::vector<Text> unticked;   // rows after them
    Text destination;             // relative to scratch\R; empty for R itself
    std::vector<Text> failed;     // ticked rows listed as failed
    // Files written under R, each holding the row's file as it was.
    std::vector<std::pair<Text, Text>> written;
    bool rootTypedInCapitals = false;
};

void PrintTo(const SourceTargetCase& c, std::ostream* os)
{
    *os << c.name;
}

class TargetIsASource : public CopyTest, public ::testing::WithParamInterface<SourceTargetCase> {};

TEST_P(TargetIsASource, IsNotWrittenButListedAndEverySourceKeepsItsBytes)
{
    const SourceTargetCase& c = GetParam();
    for (const std::vector<Text>* rows : {&c.ticked, &c.unticked})
        for (const Text& row : *rows)
            scratch.WriteFile("R\\" + row, "contents of " + row);
    const Text root = scratch.Join("R");
    Text searched = root;
    if (c.rootTypedInCapitals)
        CharUpperBuffA(searched.data(), static_cast<DWORD>(searched.size()));
    ShowFoundFiles(searched, c.ticked);
    ShowFoundFiles(searched, c.unticked, false);
    const TreeSnapshot before = SnapshotTree(root);

    DialogAnswers answers;
    const Text outcome = CopyTicked(answers, c.destination.empty() ? root : root + "\\" + c.destination);

    std::vector<Text> failed;
    for (const Text& row : c.failed)
        failed.push_back(searched + "\\" + row);
    EXPECT_EQ(outcome, failed.empty() ? Text(kCopySucceeded) : FailureList(failed));
    EXPECT_EQ(g_copiedCount, static_cast<int>(c.ticked.size() - c.failed.size()));
    TreeSnapshot expected = before;
    for (const auto& [path, row] : c.written) {
        for (const Text& level : FolderLevelsOf(path))
            expected[level] = "<folder>";
        expected[path] = before.at(row);
    }
    EXPECT_EQ(SnapshotTree(root), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TargetIsASource,
    ::testing::Values(
        SourceTargetCase{"DestinationIsTheSearchedFolder", {"f.txt", "a\\g.txt"}, {}, "", {"f.txt", "a\\g.txt"}, {}},
        SourceTargetCase{"TargetIsALaterSource",
                         {"f.txt", "a\\f.txt"},
                         {},
                         "a",
                         {"f.txt"},
                         {{"a\\a\\f.txt", "a\\f.txt"}}},
        SourceTargetCase{"TargetIsASourceCopiedBefore",
                         {"a\\f.txt", "f.txt"},
                         {},
                         "a",
                         {"f.txt"},
                         {{"a\\a\\f.txt", "a\\f.txt"}}},
        SourceTargetCase{"SourceFolderSpelledOtherwise",
                         {"f.txt", "a\\F.TXT"},
                         {},
                         "a",
                         {"f.txt"},
                         {{"a\\a\\F.TXT", "a\\F.TXT"}},
                         true},
        SourceTargetCase{"UntickedFileAtTheTargetIsOverwritten",
                         {"f.txt"},
                         {"a\\f.txt"},
                         "a",
                         {},
                         {{"a\\f.txt", "f.txt"}}}),
    CaseName);

// ---- Nothing outside the destination changes ---------------------------------

class CopyIntoTheSearchedTree : public CopyTest, public ::testing::WithParamInterface<bool> {};

TEST_P(CopyIntoTheSearchedTree, WritesNothingOutsideTheDestination)
{
    WriteFiles({{"before.txt", "outside the tree"},
                {"tree\\f.txt", "f"},
                {"tree\\a\\g.txt", "g"},
                {"tree\\a\\b\\h.txt", "h"},
                {"tree\\c\\i.txt", "i"}});
    scratch.MakeFolder("tree\\out");
    ShowFoundFiles(scratch.Join("tree"), {"f.txt", "a\\g.txt", "a\\b\\h.txt", "c\\i.txt"});
    const TreeSnapshot before = SnapshotTree(scratch.Path(), "tree\\out");
    DialogAnswers answers;
    EXPECT_EQ(CopyTicked(answers, scratch.Join("tree\\out"), GetParam()), kCopySucceeded);
    EXPECT_EQ(g_copiedCount, 4);
    EXPECT_EQ(SnapshotTree(scratch.Path(), "tree\\out"), before);
    const Text copyOfH = GetParam() ? "tree\\out\\a\\b\\h.txt" : "tree\\out\\h.txt";
    EXPECT_EQ(ReadBytes(scratch.Join(copyOfH)), "h");
}

INSTANTIATE_TEST_SUITE_P(Modes, CopyIntoTheSearchedTree, ::testing::Values(true, false), CopyModeName);

TEST_F(CopyTest, ARowThatLeadsOutOfTheDestinationIsRefused)
{
    WriteFiles({{"victim.txt", "outside"}, {"tree\\f.txt", "f"}});
    scratch.MakeFolder("tree\\out");
    ShowFoundFiles(scratch.Join("tree"), {"a\\..\\..\\victim.txt", "f.txt"});
    const TreeSnapshot before = SnapshotTree(scratch.Path(), "tree\\out");
    DialogAnswers answers;
    EXPECT_EQ(CopyTicked(answers, scratch.Join("tree\\out")),
              FailureList({scratch.Join("tree\\a\\..\\..\\victim.txt")}));
    EXPECT_EQ(SnapshotTree(scratch.Path(), "tree\\out"), before);
    EXPECT_EQ(SnapshotTree(scratch.Join("tree\\out")), (TreeSnapshot{{"f.txt", before.at("tree\\f.txt")}}));
}

// ---- The folder levels --------------------------------------------------------

TEST_F(CopyTest, EnsureRelativeFoldersMakesTheMissingLevelsAndKeepsTheOthers)
{
    scratch.WriteFile("out\\x\\keep.txt", "kept");
    EnsuredFolders ensured;
    EnsureRelativeFolders("x\\y\\z", scratch.Join("out"), ensured);
    EXPECT_EQ(SnapshotTree(scratch.Join("out")),
              (TreeSnapshot{{"x", "<folder>"},
                            {"x\\keep.txt", SnapshotTree(scratch.Join("out\\x"))["keep.txt"]},
                            {"x\\y", "<folder>"},
                            {"x\\y\\z", "<folder>"}}));
    EXPECT_EQ(ensured, (EnsuredFolders{"x", "x\\y", "x\\y\\z"}));
    EXPECT_EQ(ReadBytes(scratch.Join("out\\x\\keep.txt")), "kept");
}

TEST_F(CopyTest, EnsureRelativeFoldersStopsAtALevelBlockedByAFile)
{
    scratch.WriteFile("out\\x", "a file");
    EnsuredFolders ensured;
    EnsureRelativeFolders("x\\y", scratch.Join("out"), ensured);
    EXPECT_TRUE(ensured.empty());
    EXPECT_EQ(ReadBytes(scratch.Join("out\\x")), "a file");
    EXPECT_EQ(SnapshotTree(scratch.Join("out")).size(), 1u);
}

TEST_F(CopyTest, EnsureRelativeFoldersLooksUpEachLevelOncePerCopy)
{
    scratch.MakeFolder("out");
    EnsuredFolders ensured;
    EnsureRelativeFolders("x\\y", scratch.Join("out"), ensured);
    RemoveTree(scratch.Join("out\\x"));
    EnsureRelativeFolders("x\\y", scratch.Join("out"), ensured);
    EXPECT_FALSE(PathIsDirectoryA(scratch.Join("out\\x").c_str())) << "remembered from the first call";
    EnsuredFolders nextCopy;
    EnsureRelativeFolders("x\\y", scratch.Join("out"), nextCopy);
    EXPECT_TRUE(PathIsDirectoryA(scratch.Join("out\\x\\y").c_str()));
}

// ---- Sizes ----------------------------------------------------------------------

TEST_F(CopyTest, SumCheckedSizesCollectsTheTicksAgainAndAddsEveryFileSize)
{
    WriteFiles({{"src\\empty.txt", ""}, {"src\\资料\\大.bin", std::string(70000, 'x')}, {"src\\b.txt", "bb"}});
    ShowFoundFiles(scratch.Join("src"), {"empty.txt", "资料\\大.bin"});
    ShowFoundFiles(scratch.Join("src"), {"b.txt"}, false);
    CollectCheckedRows();
    SetCheckState(2, kTicked);
    int64_t bySearchLookup = 0;
    for (const char* path : {"empty.txt", "资料\\大.bin", "b.txt"})
        bySearchLookup += FileSizeBytes(scratch.Join("src\\" + Text(path)));
    EXPECT_EQ(SumCheckedSizes(), bySearchLookup);
    EXPECT_EQ(bySearchLookup, 70002);
    EXPECT_EQ(g_checkedPaths.size(), 3u);
}

// ---- The flat copy through the shell ---------------------------------------------

TEST_F(CopyTest, ShellCopyFilesHandsTheShellEveryNonEmptySourceInOneCopy)
{
    WriteFiles({{"src\\a\\x.txt", "xxx"}, {"src\\b\\y.txt", "yyyyy"}});
    scratch.MakeFolder("out");
    DialogAnswers answers;
    const Text x = scratch.Join("src\\a\\x.txt");
    const Text y = scratch.Join("src\\b\\y.txt");
    EXPECT_TRUE(ShellCopyFiles(scratch.Join("out"), {"", x, "", y}));
    ASSERT_EQ(answers.fileOperations.size(), 1u);
    const DialogAnswers::FileOperationCall& call = answers.fileOperations[0];
    EXPECT_EQ(call.function, static_cast<UINT>(FO_COPY));
    EXPECT_EQ(call.from, (TextList{x, y}));
    EXPECT_EQ(call.to, TextList{scratch.Join("out")});
    EXPECT_EQ(call.flags, 0);
    EXPECT_EQ(call.owner, nullptr);
    EXPECT_EQ(ReadBytes(scratch.Join("out\\x.txt")), "xxx");
    EXPECT_EQ(ReadBytes(scratch.Join("out\\y.txt")), "yyyyy");
}

TEST_F(CopyTest, ShellCopyFilesWithoutAnySourceDoesNotCallTheShell)
{
    DialogAnswers answers;
    EXPECT_FALSE(ShellCopyFiles(scratch.Path(), {}));
    EXPECT_FALSE(ShellCopyFiles(scratch.Path(), {"", ""}));
    EXPECT_TRUE(answers.fileOperations.empty());
}

TEST_F(CopyTest, FlatCopyCountsTheTickedRowsAndTheirSizes)
{
    WriteFiles({{"src\\a\\x.txt", "xxx"}, {"src\\b\\y.txt", "yyyyy"}});
    scratch.MakeFolder("out");
    ShowFoundFiles(scratch.Join("src"), {"a\\x.txt", "b\\y.txt"});
    DialogAnswers answers;
    EXPECT_EQ(CopyTicked(answers, scratch.Join("out"), false), kCopySucceeded);
    EXPECT_EQ(g_copiedCount, 2);
    EXPECT_EQ(g_copiedBytes, 8);
    EXPECT_EQ(BarPosition(), 0);
    EXPECT_EQ(SnapshotTree(scratch.Join("out")).size(), 2u);
}

TEST_F(CopyTest, FlatCopyThatTheShellReportsFailedLeavesTheCountersAtZero)
{
    WriteFiles({{"src\\a.txt", "a"}, {"src\\gone.txt", "gone"}});
    scratch.MakeFolder("out");
    ShowFoundFiles(scratch.Join("src"), {"a.txt", "gone.txt"});
    DeleteFileA(scratch.Join("src\\gone.txt").c_str());
    DialogAnswers answers;
    EXPECT_EQ(CopyTicked(answers, scratch.Join("out"), false), kShellCopyFailed);
    EXPECT_EQ(g_copiedCount, 0);
    EXPECT_EQ(g_copiedBytes, 0);
}

// The shell's own question when a file of the same name is already there.
struct ShellAnswer {
    const char* name;
    int button;
    bool overwrites;
};

void PrintTo(const ShellAnswer& c, std::ostream* os)
{
    *os << c.name;
}

class FlatNameClash : public CopyTest, public ::testing::WithParamInterface<ShellAnswer> {
protected:
    // Copies the ticked rows flat into the destination, answering the shell's
    // question from a watcher; notes what the question showed.
    Text CopyAnsweringTheShell(const Text& destination)
    {
        DialogWatcher watcher([&](HWND box) {
            questionCaption = WindowText(box);
            mainEnabledMeanwhile = IsWindowEnabled(window) != FALSE;
            PressDialogButton(box, GetParam().button);
        });
        DialogAnswers answers;
        const Text outcome = CopyTicked(answers, destination, false);
        answered = watcher.Answered();
        return outcome;
    }

    Text questionCaption;
    bool mainEnabledMeanwhile = true;
    bool answered = false;
};

TEST_P(FlatNameClash, WithAnotherFileIsDecidedByTheShellsQuestion)
{
    WriteFiles({{"src\\f.txt", "new"}, {"out\\f.txt", "old"}});
    ShowFoundFiles(scratch.Join("src"), {"f.txt"});
    const TreeSnapshot sources = SnapshotTree(scratch.Join("src"));
    const Text outcome = CopyAnsweringTheShell(scratch.Join("out"));
    ASSERT_TRUE(answered);
    EXPECT_EQ(questionCaption, "确认覆盖文件");
    EXPECT_FALSE(mainEnabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(window));
    EXPECT_EQ(outcome, GetParam().overwrites ? kCopySucceeded : kShellCopyFailed);
    EXPECT_EQ(g_copiedCount, GetParam().overwrites ? 1 : 0);
    EXPECT_EQ(ReadBytes(scratch.Join("out\\f.txt")), GetParam().overwrites ? "new" : "old");
    EXPECT_EQ(SnapshotTree(scratch.Join("src")), sources);
}

TEST_P(FlatNameClash, IntoTheFolderOfATickedFileChangesNoSource)
{
    WriteFiles({{"src\\f.txt", "top"}, {"src\\a\\f.txt", "inner"}, {"src\\a\\g.txt", "g"}});
    ShowFoundFiles(scratch.Join("src"), {"a\\f.txt"});
    const TreeSnapshot before = SnapshotTree(scratch.Path());
    const Text outcome = CopyAnsweringTheShell(scratch.Join("src\\a"));
    ASSERT_TRUE(answered);
    EXPECT_EQ(questionCaption, "确认覆盖文件");
    EXPECT_EQ(outcome, GetParam().overwrites ? kCopySucceeded : kShellCopyFailed);
    EXPECT_EQ(SnapshotTree(scratch.Path()), before);
}

INSTANTIATE_TEST_SUITE_P(Answers, FlatNameClash,
                         ::testing::Values(ShellAnswer{"Yes", IDYES, true}, ShellAnswer{"YesToAll", 12807, true},
                                           ShellAnswer{"No", IDNO, false}, ShellAnswer{"Cancel", IDCANCEL, false}),
                         CaseName);

}  // namespace
