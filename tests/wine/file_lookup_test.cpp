// The clock, the tick count and the lookups of a path's last-write time and
// size, on real files.
#include <cstdint>

#include "core/display_text.h"
#include "core/system.h"
#include "tests/support/file_state.h"
#include "tests/support/wine_test.h"

namespace {

struct LargeSize {
    int64_t bytes;
    const char* text;
};

void PrintTo(const LargeSize& size, std::ostream* out)
{
    *out << size.bytes << " bytes";
}

class LargeFile : public ::testing::TestWithParam<LargeSize> {};

}  // namespace

TEST_P(LargeFile, SizeAbove4GiBCountsAll64Bits)
{
    ScratchFolder folder;
    const Text path = folder.Join("big.bin");
    ASSERT_LT(MakeSparseFile(path, GetParam().bytes), 1 << 20) << "the file is not sparse";
    EXPECT_EQ(FileSizeBytes(path), GetParam().bytes);
    EXPECT_EQ(FileSizeText(path), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Sparse, LargeFile,
                         ::testing::Values(LargeSize{3221225472, "3 GB"}, LargeSize{5368709120, "5 GB"}),
                         [](const ::testing::TestParamInfo<LargeSize>& param) {
                             return std::to_string(param.param.bytes >> 30) + "GiB";
                         });

TEST(FileLookup, ShowsTheLocalWriteTimeToTheSecond)
{
    ScratchFolder folder;
    const Text path = folder.Join("a.txt");
    folder.WriteFile("a.txt", "hello");
    struct Case {
        SYSTEMTIME local;
        const char* timestamp;
    };
    // Summer and winter dates, so that a daylight-saving offset would show;
    // milliseconds are dropped, never rounded up into the next day.
    const Case cases[] = {
        {Local(2013, 7, 27, 9, 5, 3, 250), "2013-07-27 09:05:03"},
        {Local(2013, 12, 31, 23, 59, 59, 999), "2013-12-31 23:59:59"},
        {Local(1990, 1, 1, 0, 0, 0, 0), "1990-01-01 00:00:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.timestamp);
        SetLocalWriteTime(path, c.local);
        const DateTime modified = FileModifiedTime(path);
        EXPECT_EQ(modified, MakeDateTime(c.local.wYear, c.local.wMonth, c.local.wDay, c.local.wHour,
                                         c.local.wMinute, c.local.wSecond));
        EXPECT_EQ(FormatTimestamp(modified), c.timestamp);
        EXPECT_EQ(FileSizeBytes(path), 5);
        EXPECT_EQ(FileSizeText(path), "5 B");
    }
}

TEST(FileLookup, FolderGivesItsOwnEntryWithoutATrailingBackslash)
{
    ScratchFolder folder;
    folder.WriteFile("sub\\a.txt", "contents");
    const Text sub = folder.Join("sub");
    SetLocalWriteTime(sub, Local(2013, 7, 27, 12, 30, 45, 0));
    EXPECT_EQ(FileSizeBytes(sub), 0);
    EXPECT_EQ(FileSizeText(sub), "0 B");
    EXPECT_EQ(FormatTimestamp(FileModifiedTime(sub)), "2013-07-27 12:30:45");
}

TEST(FileLookup, PathsThatAreNotFoundGiveTheFixedValues)
{
    ScratchFolder folder;
    folder.WriteFile("sub\\a.txt", "contents");
    // A file that exists, at a path longer than the 260 bytes the A functions take.
    const Text longFolder = "sub\\" + Text(200, 'd');
    folder.MakeFolder(longFolder);
    const Text longPath = folder.Join(longFolder + "\\" + Text(60, 'f') + ".txt");
    ASSERT_GT(longPath.size(), 260u);
    const std::wstring wideLongPath = L"\\\\?\\" + std::wstring(longPath.begin(), longPath.end());
    const HANDLE file = CreateFileW(wideLongPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);

    const Text paths[] = {
        folder.Join("missing.txt"), folder.Join("sub\\missing\\a.txt"), folder.Join("sub\\"), folder.Path() + "\\",
        "C:\\", longPath, "",
    };
    for (const Text& path : paths) {
        SCOPED_TRACE(path);
        EXPECT_EQ(FileSizeBytes(path), -1);
        EXPECT_EQ(FileSizeText(path), "-1 B");
        EXPECT_EQ(FileModifiedTime(path), EmptyDateTime);
        EXPECT_EQ(FormatTimestamp(FileModifiedTime(path)), "100-01-01 00:00:00");
    }
    // The scratch folder's removal goes through the A functions too.
    EXPECT_TRUE(DeleteFileW(wideLongPath.c_str()));
}

TEST(FileLookup, FindsGbkNamesWhoseSecondByteIsABackslash)
{
    ScratchFolder folder;
    folder.WriteFile("表俓.txt", "12345678");
    folder.WriteFile("表俓\\内容.txt", "123");
    SetLocalWriteTime(folder.Join("表俓\\内容.txt"), Local(2013, 7, 27, 9, 5, 3, 0));
    EXPECT_EQ(FileSizeBytes(folder.Join("表俓.txt")), 8);
    EXPECT_NE(FileModifiedTime(folder.Join("表俓.txt")), EmptyDateTime);
    EXPECT_EQ(FileSizeBytes(folder.Join("表俓")), 0);
    EXPECT_EQ(FileSizeText(folder.Join("表俓\\内容.txt")), "3 B");
    EXPECT_EQ(FormatTimestamp(FileModifiedTime(folder.Join("表俓\\内容.txt"))), "2013-07-27 09:05:03");
}

TEST(DateTimeFromFileTime, DropsTheMillisecondsOfTheLocalTime)
{
    EXPECT_EQ(DateTimeFromFileTime(FileTimeFromLocal(Local(2013, 12, 31, 23, 59, 59, 999))),
              MakeDateTime(2013, 12, 31, 23, 59, 59));
    EXPECT_EQ(DateTimeFromFileTime(FileTimeFromLocal(Local(1980, 1, 1, 0, 0, 0, 1))), MakeDateTime(1980, 1, 1, 0, 0, 0));
    // A file time beyond what the system converts.
    EXPECT_EQ(DateTimeFromFileTime(FILETIME{0, 0x90000000}), EmptyDateTime);
}

TEST(CurrentDateTime, IsTheLocalClockInWholeSeconds)
{
    SYSTEMTIME before;
    GetLocalTime(&before);
    const DateTime now = CurrentDateTime();
    const DateTime earlier = MakeDateTime(before.wYear, before.wMonth, before.wDay, before.wHour, before.wMinute,
                                          before.wSecond);
    EXPECT_GE(SecondsBetween(now, earlier), 0.0);
    EXPECT_LE(SecondsBetween(now, earlier), 2.0);
    EXPECT_EQ(now, MakeDateTime(YearOf(now), MonthOf(now), DayOf(now), HourOf(now), MinuteOf(now), SecondOf(now)));
}

TEST(TickCountMs, IsTheSystemTickCountAsASignedValue)
{
    const DWORD before = GetTickCount();
    const int ticks = TickCountMs();
    const DWORD after = GetTickCount();
    EXPECT_LE(static_cast<DWORD>(ticks) - before, after - before);
}
