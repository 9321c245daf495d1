// The benchmark probe, run by bench.sh under Wine (never by the tests):
//   dek_bench_probe figures <runs> <small folder> <big folder> <big rows> <JPEG> <PNG>
//       measures each figure of Dek beside its floor program, the two alternating run by run, and
//       prints one table row per figure: median (min..max) of each and the ratio of the medians
//       with its target; a figure without a floor has the target of its median instead. Both
//       pictures are 4000 x 3000.
//   dek_bench_probe close <window class> <rows>
//       waits until the window of this class lists <rows> rows, then closes it
//   dek_bench_probe soak <folder> <changes> <runs>
//       see probe_soak.cpp
// The folders are program folders holding a copy of Dek.exe; floors run with them as their
// current folder. A figure whose run fails ends the probe with exit code 1.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "bench/probe_driving.h"
#include "bench/probe_resident.h"
#include "bench/probe_soak.h"
#include "platform/canvas.h"

namespace bench {
namespace {

constexpr double kMiB = 1024.0 * 1024.0;

// A floor or another program of the benchmark, which lie beside the probe.
std::wstring BenchExe(const wchar_t* name) { return BinFolder() + L"\\" + name; }

// Milliseconds from process creation to exit; -1 when it fails or exits with another code than 0.
double TimeToExit(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder) {
    const double begin = Now();
    Program program = Start(exe, arguments, folder);
    if (!program.process || WaitForExit(program) != 0) return -1;
    return Now() - begin;
}

// Milliseconds from process creation until its window is shown with `rows` rows in its list.
double TimeToFilled(const std::wstring& exe, const std::wstring& folder, const wchar_t* windowClass, LRESULT rows) {
    const double begin = Now();
    Program program = Start(exe, L"", folder);
    // Waiting for the message loop first keeps the probe from competing with the program for the
    // wineserver while it starts.
    WaitForInputIdle(program.process.get(), 60000);
    HWND window = nullptr;
    if (!WaitUntil(program, [&] { return (window = ReadyWindow(program, windowClass, rows)) != nullptr; })) return -1;
    const double elapsed = Now() - begin;
    return CloseAndWait(program, window) == 0 ? elapsed : -1;
}

// The working set in MiB after the program's window has shown and 5 s have passed.
double IdleWorkingSet(const std::wstring& exe, const std::wstring& folder, const wchar_t* windowClass) {
    Program program = Start(exe, L"", folder);
    HWND window = nullptr;
    if (!WaitUntil(program, [&] { return (window = ReadyWindow(program, windowClass)) != nullptr; })) return -1;
    Sleep(5000);  // the idle time this figure is about
    const double bytes = WorkingSetBytes(program.process.get());
    return CloseAndWait(program, window) == 0 && bytes > 0 ? bytes / kMiB : -1;
}

// Milliseconds from Open pressed in Dek's add dialog, the picture typed in, until the position
// dialog shows. The added wallpaper and its record are removed again.
double DekAddTime(const std::wstring& folder, const std::wstring& picture) {
    std::wstring added = picture.substr(picture.find_last_of(L'\\') + 1);
    added = added.substr(0, added.find_last_of(L'.')) + L".bmp";
    platform::ScopeExit removeAdded([&] {
        DeleteFileW((folder + L"\\Wall\\" + added).c_str());
        DeleteFileW((folder + L"\\dat\\" + added + L".dat").c_str());
    });
    Program dek = Start(folder + L"\\Dek.exe", L"", folder);
    HWND main = nullptr, dialog = nullptr, position = nullptr;
    if (!WaitUntil(dek, [&] { return (main = ReadyWindow(dek, kDekClass)) != nullptr; })) return -1;
    PostMessageW(GetDlgItem(main, kAddWallpaper), BM_CLICK, 0, 0);
    auto dialogShown = [&] {
        dialog = FindTopLevel(dek.id, L"#32770", kAddDialogTitle);
        return dialog && IsWindowVisible(dialog);
    };
    if (!WaitUntil(dek, dialogShown)) return -1;
    // The file-name box: a combo box with an edit inside, or a plain edit.
    HWND name = GetDlgItem(dialog, 0x47c) ? GetDlgItem(dialog, 0x47c) : GetDlgItem(dialog, 0x480);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(picture.c_str()));
    if (!Settled(dialog)) return -1;
    const double begin = Now();
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    auto positionShown = [&] {
        position = FindTopLevel(dek.id, kPositionDialogClass, kPositionDialogTitle);
        return position && IsWindowVisible(position);
    };
    if (!WaitUntil(dek, positionShown)) return -1;
    const double elapsed = Now() - begin;
    PostMessageW(position, WM_CLOSE, 0, 0);
    if (!WaitUntil(dek, [&] { return !IsWindow(position); })) return -1;
    return CloseAndWait(dek, main) == 0 ? elapsed : -1;
}

// What a program of ours prints while it runs; empty when it fails.
std::string OutputOf(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder) {
    Program program = Start(exe, arguments, folder, true);
    std::string text;
    char buffer[64];
    DWORD got = 0;
    while (program.output && ReadFile(program.output.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
        text.append(buffer, got);
    }
    return WaitForExit(program) == 0 ? text : std::string();
}

// The milliseconds the decode floor reports for its own work, from its start to the file written.
double FloorDecodeTime(const std::wstring& folder, const std::wstring& picture) {
    const std::string text = OutputOf(BenchExe(L"dek_floor_decode.exe"), L"\"" + picture + L"\"", folder);
    DeleteFileW((folder + L"\\floor.bmp").c_str());
    return !text.empty() ? std::atof(text.c_str()) / 1000.0 : -1;
}

// The two monitors' bitmap made by Dek's code (compose.cpp): its milliseconds, or its peak working
// set in MiB above the program's own at its start.
enum class Composing { Time, Memory };
double ComposeFigure(Composing figure, const std::wstring& folder, const std::wstring& first,
                     const std::wstring& second) {
    const std::string text =
        OutputOf(BenchExe(L"dek_bench_compose.exe"), L"\"" + first + L"\" \"" + second + L"\"", folder);
    double ms = 0, peak = 0, base = 0;
    if (std::sscanf(text.c_str(), "%lf %lf %lf", &ms, &peak, &base) != 3) return -1;
    return figure == Composing::Time ? ms : peak - base;
}

struct Figure {
    const char* name;
    const char* format;  // of one value
    std::function<double()> dek, floor;  // without a floor, the target is that of Dek's median
    std::string target;                  // empty for none
    int mostRuns = 0;                    // for a figure that takes minutes a run; 0: as many as asked
};

std::string Summary(std::vector<double> values, const char* format) {
    std::sort(values.begin(), values.end());
    auto text = [&](double value) {
        char printed[96];
        std::snprintf(printed, sizeof printed, format, value);
        return std::string(printed);
    };
    return text(values[values.size() / 2]) + " (" + text(values.front()) + ".." + text(values.back()) + ")";
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Dek, floor, Dek, floor, ...: machine noise falls on both alike.
bool Measure(const Figure& figure, int runs) {
    std::vector<double> dek, floor;
    auto run = [&](const std::function<double()>& measure, std::vector<double>& values, const char* who, int i) {
        const double value = measure();
        if (value < 0) std::fprintf(stderr, "%s: %s run %d failed\n", figure.name, who, i + 1);
        else values.push_back(value);
        return value >= 0;
    };
    if (figure.mostRuns > 0) runs = std::min(runs, figure.mostRuns);
    for (int i = 0; i < runs; ++i) {
        if (!run(figure.dek, dek, "Dek", i) || (figure.floor && !run(figure.floor, floor, "floor", i))) return false;
    }
    std::string last = figure.target.empty() ? "" : "target " + figure.target;
    if (figure.floor) {
        char ratio[32] = "-";  // of nothing to a floor of 0
        if (Median(floor) > 0) std::snprintf(ratio, sizeof ratio, "%.2f", Median(dek) / Median(floor));
        last = last.empty() ? ratio : ratio + (" (" + last + ")");
    }
    std::printf("| %s | %s | %s | %s |\n", figure.name, Summary(dek, figure.format).c_str(),
                figure.floor ? Summary(floor, figure.format).c_str() : "-", last.c_str());
    std::fflush(stdout);
    return true;
}

// The memory the composing may take: the two pictures decoded and the bitmap over both monitors.
std::string ComposingBudget() {
    const double picture = platform::RowBytes(4000) * 3000.0 / kMiB, bitmap = platform::RowBytes(7680) * 2160.0 / kMiB;
    char text[96];
    std::snprintf(text, sizeof text, "<= %.1f (pictures 2 x %.1f, bitmap %.1f)", 2 * picture + bitmap, picture, bitmap);
    return text;
}

int Figures(int runs, const std::wstring& small, const std::wstring& big, LRESULT bigRows, const std::wstring& jpeg,
            const std::wstring& png) {
    const std::wstring smallDek = small + L"\\Dek.exe", bigDek = big + L"\\Dek.exe";
    const std::wstring smallBitmap = small + L"\\Wall\\wall00000.bmp";
    // The pictures converted as the collection keeps them, beside the JPEG.
    const std::wstring data = jpeg.substr(0, jpeg.rfind(L'\\'));
    const std::wstring walls[] = {data + L"\\wall-1.bmp", data + L"\\wall-2.bmp"};
    const Figure figures[] = {
        {"`Dek.exe -e`, 2 wallpapers + 2 screen savers, start to exit (ms)", "%.0f",
         [&] { return TimeToExit(smallDek, L"-e", small); },
         [&] { return TimeToExit(BenchExe(L"dek_floor_change.exe"), L"", small); }},
        {"working set after 5 s idle, normal start (MiB)", "%.1f",
         [&] { return IdleWorkingSet(smallDek, small, kDekClass); },
         [&] { return IdleWorkingSet(BenchExe(L"dek_floor_idle.exe"), small, kFloorClass); }},
        {"adding a 4000 x 3000 JPEG: Open pressed to position dialog shown (ms)", "%.0f",
         [&] { return DekAddTime(small, jpeg); }, [&] { return FloorDecodeTime(small, jpeg); }},
        {"adding a 4000 x 3000 PNG: Open pressed to position dialog shown (ms)", "%.0f",
         [&] { return DekAddTime(small, png); }, [&] { return FloorDecodeTime(small, png); }, "<= 1.3"},
        {"normal start until the list of 10,000 wallpapers is filled (ms)", "%.0f",
         [&] { return TimeToFilled(bigDek, big, kDekClass, bigRows); },
         [&] { return TimeToFilled(BenchExe(L"dek_floor_fill.exe"), big, kFloorClass, bigRows); }},
        {"one BMP copied into Wall of 10,000: file written to its row shown (ms)", "%.0f",
         [&] { return WatchedCopyTime(big, bigRows, smallBitmap); }, nullptr, "< 1000, no other row touched"},
        {"CPU time of a resident Dek idle for 60 s (ms)", "%.0f",
         [&] { return IdleCpuTime(smallDek, small, kDekClass); },
         [&] { return IdleCpuTime(BenchExe(L"dek_floor_idle.exe"), small, kFloorClass); }, "Dek <= floor", 3},
        {"composing two 3840 x 2160 monitors from two 4000 x 3000 pictures (ms)", "%.0f",
         [&] { return ComposeFigure(Composing::Time, small, walls[0], walls[1]); }, nullptr, "< 1000"},
        {"peak working set composing them, above the program's start (MiB)", "%.1f",
         [&] { return ComposeFigure(Composing::Memory, small, walls[0], walls[1]); }, nullptr, ComposingBudget()},
    };
    for (const Figure& figure : figures) {
        if (!Measure(figure, runs)) return 1;
    }
    return 0;
}

// For a program the script started: it is found by its window class alone. A posted close is
// taken by the message loop only, so the program has finished its start by then.
int CloseWhenFilled(const wchar_t* windowClass, LRESULT rows) {
    for (const double deadline = Now() + 60000; Now() < deadline; Sleep(1)) {
        HWND window = FindWindowExW(nullptr, nullptr, windowClass, nullptr);
        DWORD_PTR count = 0;
        if (window && SendMessageTimeoutW(GetDlgItem(window, kWallList), LB_GETCOUNT, 0, 0, SMTO_NORMAL, 10000, &count) &&
            static_cast<LRESULT>(count) == rows) {
            PostMessageW(window, WM_CLOSE, 0, 0);
            return 0;
        }
    }
    return 1;
}

}  // namespace
}  // namespace bench

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"figures" && argc == 8) {
        return bench::Figures(_wtoi(argv[2]), argv[3], argv[4], _wtoi(argv[5]), argv[6], argv[7]);
    }
    if (command == L"close" && argc == 4) return bench::CloseWhenFilled(argv[2], _wtoi(argv[3]));
    if (command == L"soak" && argc == 5) return bench::Soak(argv[2], _wtoi(argv[3]), _wtoi(argv[4]));
    std::fprintf(stderr,
                 "usage: dek_bench_probe figures <runs> <small folder> <big folder> <big rows> <JPEG> <PNG>\n"
                 "       dek_bench_probe close <window class> <rows>\n"
                 "       dek_bench_probe soak <folder> <changes> <runs>\n");
    return 2;
}
