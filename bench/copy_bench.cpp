// How long a copy that keeps the folder structure makes the user wait, from
// the confirmation to the report, against a bare CopyFileA loop over the same
// files and against Wine's own xcopy /s /i of the same tree.
#include <cstdio>
#include <cstdlib>

#include <shlobj.h>

#include "bench/bench_support.h"
#include "copy/copy_command.h"
#include "core/session.h"
#include "results/result_list.h"
#include "ui/dialog_seam.h"
#include "ui/main_window.h"
#include "ui/program.h"

namespace {

struct FileSet {
    const char* name;
    std::vector<std::string> folders;  // relative, each after its parent
    std::vector<std::string> files;    // relative
    double targetAgainstLoop;
    int rounds;  // more for the shorter runs, whose times scatter more
};

// The folder the stand-in folder browser chooses; when the copy was
// confirmed, and the title of the report and when it was shown.
std::string g_destination;
double g_confirmedAt = 0;
std::string g_reportTitle;
double g_reportShownAt = 0;

PIDLIST_ABSOLUTE WINAPI ChooseDestination(LPBROWSEINFOA)
{
    return ILCreateFromPathA(g_destination.c_str());
}

int WINAPI AnswerOk(HWND, LPCSTR, LPCSTR title, UINT)
{
    if (std::string(title) == "确认信息：") {
        g_confirmedAt = NowMs();
    } else {
        g_reportShownAt = NowMs();
        g_reportTitle = title;
    }
    return IDOK;
}

void DrainQueue()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

FileSet SmallFiles(const std::string& source)
{
    FileSet set{"5000 small files in 200 folders", {}, {}, 1.5, 7};
    for (int top = 0; top < 20; ++top) {
        const std::string parent = "d" + std::to_string(top);
        set.folders.push_back(parent);
        for (int sub = 0; sub < 10; ++sub) {
            const std::string folder = parent + "\\s" + std::to_string(sub);
            set.folders.push_back(folder);
            CreateDirectoryA((source + "\\" + parent).c_str(), nullptr);
            CreateDirectoryA((source + "\\" + folder).c_str(), nullptr);
            for (int i = 0; i < 25; ++i) {
                const std::string file = folder + "\\file" + std::to_string(i) + ".txt";
                set.files.push_back(file);
                WriteBytes(source + "\\" + file, std::string(1024 + (set.files.size() * 37) % 3072, 'x'));
            }
        }
    }
    return set;
}

FileSet LargeFiles(const std::string& source)
{
    FileSet set{"20 files of 50 MiB", {}, {}, 1.1, 15};
    const std::string contents(50 << 20, 'y');
    for (int part = 0; part < 4; ++part) {
        const std::string folder = "part" + std::to_string(part);
        set.folders.push_back(folder);
        CreateDirectoryA((source + "\\" + folder).c_str(), nullptr);
        for (int i = 0; i < 5; ++i) {
            set.files.push_back(folder + "\\big" + std::to_string(i) + ".bin");
            WriteBytes(source + "\\" + set.files.back(), contents);
        }
    }
    return set;
}

// The rows a search of the source folder would have left, all ticked.
void ShowTickedRows(const std::string& source, const FileSet& set)
{
    DeleteAllRows();
    g_rootPath = source + "\\";
    for (const std::string& file : set.files)
        SetCheckState(AppendRow(file), 1);
    DrainQueue();
}

// An empty destination before each run, made outside the timing.
void EmptyDestination(const std::string& destination)
{
    RemoveTree(destination);
    CreateDirectoryA(destination.c_str(), nullptr);
}

double CopyWithVelmora(const std::string& destination, const FileSet& set)
{
    EmptyDestination(destination);
    g_destination = destination;
    g_reportTitle.clear();
    CopyCommand();
    // Before the confirmation the user is choosing; hiding the progress group comes after the report.
    const double elapsed = g_reportShownAt - g_confirmedAt;
    if (g_copiedCount != static_cast<int>(set.files.size()) || g_reportTitle != "信息：") {
        std::printf("the copy did not succeed: %d of %zu files\n", g_copiedCount, set.files.size());
        std::exit(1);
    }
    DrainQueue();
    return elapsed;
}

// Into an empty destination, failing on an existing target as Velmora's
// first attempt does: Wine's CopyFileA is slower when told to overwrite.
double CopyWithBareLoop(const std::string& source, const std::string& destination, const FileSet& set)
{
    EmptyDestination(destination);
    const double start = NowMs();
    for (const std::string& folder : set.folders)
        CreateDirectoryA((destination + "\\" + folder).c_str(), nullptr);
    for (const std::string& file : set.files)
        CopyFileA((source + "\\" + file).c_str(), (destination + "\\" + file).c_str(), TRUE);
    return NowMs() - start;
}

// Wine's xcopy as a child process, its output thrown away.
double CopyWithXcopy(const std::string& source, const std::string& destination)
{
    EmptyDestination(destination);
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    std::string command = "\"" + std::string(system) + "\\xcopy.exe\" \"" + source + "\" \"" + destination + "\" /s /i";
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    const HANDLE nul = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                   OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;
    PROCESS_INFORMATION process = {};
    const double start = NowMs();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        std::printf("xcopy could not be started\n");
        std::exit(1);
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    const double elapsed = NowMs() - start;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(nul);
    return elapsed;
}

void MeasureSet(const std::string& source, const std::string& destination, const FileSet& set)
{
    ShowTickedRows(source, set);
    const std::vector<std::function<double()>> runs = {
        [&] { return CopyWithVelmora(destination, set); },
        [&] { return CopyWithBareLoop(source, destination, set); },
        [&] { return CopyWithXcopy(source, destination); },
    };
    AlternatingMedians(runs, 1);  // warms the caches
    const std::vector<double> medians = AlternatingMedians(runs, set.rounds);
    std::printf("  %s, median of %d alternating warm rounds:\n", set.name, set.rounds);
    std::printf("    Velmora (confirmed to report): %7.1f ms\n", medians[0]);
    std::printf("    bare CopyFileA loop:         %9.1f ms\n", medians[1]);
    std::printf("    xcopy /s /i:                 %9.1f ms\n", medians[2]);
    std::printf("    ratio Velmora / bare loop:   %9.3f  (target at most %.2f)\n", medians[0] / medians[1],
                set.targetAgainstLoop);
    std::printf("    ratio Velmora / xcopy:       %9.3f  (target at most 1.00)\n", medians[0] / medians[2]);
}

}  // namespace

int main()
{
    InitPlatformLayer();
    InitSession();
    Dialogs().browseForFolder = ChooseDestination;
    Dialogs().messageBox = AnswerOk;
    const HWND window = LoadMainWindow();
    DrainQueue();
    std::printf("copy keeping the folder structure\n");

    const std::string destination = ScratchFolder("copy-destination");
    const std::string small = ScratchFolder("copy-small");
    MeasureSet(small, destination, SmallFiles(small));
    RemoveTree(small);
    const std::string large = ScratchFolder("copy-large");
    MeasureSet(large, destination, LargeFiles(large));
    RemoveTree(large);

    RemoveTree(destination);
    DestroyWindow(window);
    return 0;
}
