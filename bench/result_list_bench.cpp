// How much the result list costs per row, against the cost of listing one
// directory entry, which every found file costs anyway.
#include <cstdio>

#include "bench/bench_support.h"
#include "core/session.h"
#include "results/result_list.h"
#include "ui/main_window.h"
#include "ui/program.h"

namespace {

constexpr int kFiles = 20000;
constexpr int kRows = 100000;
constexpr int kRounds = 5;

// Microseconds per entry of one full listing of the folder.
double ListFolderOnce(const std::string& folder)
{
    const double start = NowMs();
    WIN32_FIND_DATAA entry;
    int entries = 0;
    const HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do
            ++entries;
        while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    return (NowMs() - start) * 1000.0 / entries;
}

void DrainQueue()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

// Microseconds per row of appending rows with their three texts, the way the
// folder walk appends them, with the window's messages run after every 50
// rows as the walk runs them after each folder, so every row is shown.
double AppendRowsOnce()
{
    DeleteAllRows();
    DrainQueue();
    const double start = NowMs();
    for (int i = 0; i < kRows; ++i) {
        const int row = AppendRow("photos\\2023\\summer\\IMG_" + std::to_string(i) + ".JPG");
        SetCellText(row, 1, "2023-07-27 09:05:03");
        SetCellText(row, 2, "3.52 MB");
        if (i % 50 == 49)
            DrainQueue();
    }
    DrainQueue();
    return (NowMs() - start) * 1000.0 / kRows;
}

}  // namespace

int main()
{
    InitPlatformLayer();
    InitSession();
    const std::string folder = ScratchFolder("list");
    for (int i = 0; i < kFiles; ++i)
        WriteBytes(folder + "\\file" + std::to_string(i) + ".txt", "x");
    const HWND window = LoadMainWindow();
    DrainQueue();
    const double before = PrivateBytes();
    AppendRowsOnce();
    const double bytesPerRow = (PrivateBytes() - before) / kRows;

    const std::vector<double> medians = AlternatingMedians(
        {[&] { return ListFolderOnce(folder); }, AppendRowsOnce},
        kRounds);

    std::printf("result list, %d rows, median of %d alternating rounds\n", kRows, kRounds);
    std::printf("  listing one directory entry (FindNextFileA): %8.2f us\n", medians[0]);
    std::printf("  appending one row with its three texts:      %8.2f us\n", medians[1]);
    std::printf("  ratio append / entry:                        %8.3f  (target below 0.333)\n",
                medians[1] / medians[0]);
    std::printf("  memory per row:                              %8.0f bytes (target below 1024)\n", bytesPerRow);

    DestroyWindow(window);
    RemoveTree(folder);
    return 0;
}
