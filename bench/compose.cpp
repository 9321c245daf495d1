// Dek's wallpaper over two monitors, made by the code Dek's change runs
// (dek::ComposeMonitorBitmap) under the system it runs on, from two bitmaps as Dek keeps them: two 3840 x 2160 monitors
// side by side, the secondary left of the primary; the first picture fills the primary, the
// second is fitted to the secondary. The bitmap is saved into a folder of its own under the
// temporary folder, removed again. Run by the benchmark probe.
// Usage: dek_bench_compose <picture> <picture>
// Prints "<ms> <peak working set MiB> <working set at start MiB>": the milliseconds from the start
// of the composing to the bitmap saved.
#include <windows.h>
#include <psapi.h>
#include <versionhelpers.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "changer/desktop/monitor_wallpapers.h"
#include "platform/com.h"
#include "platform/files.h"
#include "platform/handles.h"
#include "platform/monitor_layout.h"
#include "platform/pictures.h"

namespace {

constexpr double kMiB = 1024.0 * 1024.0;

PROCESS_MEMORY_COUNTERS Memory() {
    PROCESS_MEMORY_COUNTERS counters = {sizeof counters};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: dek_bench_compose <picture> <picture>\n");
        return 2;
    }
    const double base = static_cast<double>(Memory().WorkingSetSize);
    // A resident Dek has its apartment long before its first change.
    if (FAILED(platform::UseCom())) return 1;
    const std::wstring folder = platform::TempFolder() + L"dek-bench-compose-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring path = platform::JoinPath(folder, L"monitors.bmp");
    if (!platform::CreateFolder(folder)) return 1;
    platform::ScopeExit removeFolder([&] {
        DeleteFileW(path.c_str());
        RemoveDirectoryW(folder.c_str());
    });
    const std::vector<platform::Monitor> monitors =
        platform::InLayoutOrder({{{0, 0, 3840, 2160}, true}, {{-3840, 0, 0, 2160}, false}});

    const auto begin = std::chrono::steady_clock::now();
    const std::wstring problem = dek::ComposeMonitorBitmap(monitors, {argv[1], argv[2]}, {dek::Fill, dek::Fit},
                                                           !IsWindows8OrGreater(), path);
    if (!problem.empty()) {
        std::fprintf(stderr, "%ls\n", problem.c_str());
        return 1;
    }
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    std::printf("%.1f %.1f %.1f\n", ms, static_cast<double>(Memory().PeakWorkingSetSize) / kMiB, base / kMiB);
    return 0;
}
