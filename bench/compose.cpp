// Dek's wallpaper over two monitors, made by the calls Dek's change makes
// (changer/desktop/monitor_wallpapers.cpp) under the system it runs on: two 3840 x 2160 monitors
// side by side, the secondary left of the primary; the first picture fills the primary, the
// second is fitted to the secondary. The bitmap is saved into a folder of its own under the
// temporary folder, removed again. Run by the benchmark probe.
// Usage: dek_bench_compose <picture> <picture>
// Prints "<ms> <peak working set MiB> <working set at start MiB>": the milliseconds from the first
// decoding to the bitmap saved.
#include <windows.h>
#include <psapi.h>
#include <versionhelpers.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "changer/desktop/wallpaper_layout.h"
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
    const dek::DisplayPosition positions[] = {dek::Fill, dek::Fit};

    const auto begin = std::chrono::steady_clock::now();
    const COLORREF background = GetSysColor(COLOR_DESKTOP);
    platform::Canvas canvas(platform::VirtualScreen(monitors),
                            {GetBValue(background), GetGValue(background), GetRValue(background)});
    for (size_t i = 0; i < monitors.size(); ++i) {
        const platform::PictureLoad load = platform::LoadPicture(argv[i + 1]);
        if (!load.picture) {
            std::fprintf(stderr, "%ls: not decoded, 0x%08lx\n", argv[i + 1], static_cast<unsigned long>(load.error));
            return 1;
        }
        const platform::Picture& picture = *load.picture;
        dek::DrawWallpaper(canvas,
                           {picture.Width(), picture.Height(), platform::Picture::Stride(picture.Width()),
                            picture.Pixels().data()},
                           monitors[i].area, positions[i]);
    }
    if (!IsWindows8OrGreater()) platform::ShiftForTiledDesktop(canvas);
    const int width = canvas.Width(), height = canvas.Height();
    if (const DWORD error = platform::SaveBitmap(platform::Picture(width, height, canvas.TakePixels()), path)) {
        std::fprintf(stderr, "bitmap not saved: error %lu\n", error);
        return 1;
    }
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    std::printf("%.1f %.1f %.1f\n", ms, static_cast<double>(Memory().PeakWorkingSetSize) / kMiB, base / kMiB);
    return 0;
}
