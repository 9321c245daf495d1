#include "changer/desktop/monitor_wallpapers.h"

#include <windows.h>
#include <versionhelpers.h>

#include "changer/collection/collection_names.h"
#include "changer/collection/wall_records.h"
#include "changer/desktop/apply.h"
#include "changer/desktop/change_rules.h"
#include "changer/desktop/wallpaper_layout.h"
#include "platform/error_text.h"
#include "platform/files.h"
#include "platform/pictures.h"

namespace dek {

std::wstring MonitorWallpaperPath(const ProgramFolders& folders) { return platform::JoinPath(folders.dat, L"monitors.bmp"); }

std::wstring ComposeMonitorBitmap(const std::vector<platform::Monitor>& monitors, const std::vector<std::wstring>& pictures,
                                  const std::vector<DisplayPosition>& positions, bool tiled, const std::wstring& target) {
    const COLORREF background = GetSysColor(COLOR_DESKTOP);
    platform::Canvas canvas(platform::VirtualScreen(monitors),
                            {GetBValue(background), GetGValue(background), GetRValue(background)});
    for (size_t i = 0; i < monitors.size() && i < pictures.size() && i < positions.size(); ++i) {
        if (const platform::MappedBitmap mapped(pictures[i]); mapped) {
            DrawWallpaper(canvas, mapped.View(), monitors[i].area, positions[i]);
            continue;
        }
        const platform::PictureLoad load = platform::LoadPicture(pictures[i]);
        if (!load.picture) return CannotApplyMessage(pictures[i], platform::ErrorTextOfResult(load.error));
        const platform::Picture& picture = *load.picture;
        const auto stride = static_cast<std::ptrdiff_t>(platform::Picture::Stride(picture.Width()));
        DrawWallpaper(canvas, {picture.Width(), picture.Height(), stride, picture.Pixels().data()}, monitors[i].area, positions[i]);
    }
    if (tiled) platform::ShiftForTiledDesktop(canvas);
    const int width = canvas.Width(), height = canvas.Height();
    if (const DWORD error = platform::SaveBitmap(platform::Picture(width, height, canvas.TakePixels()), target)) {
        return CannotApplyMessage(target, platform::ErrorText(error));
    }
    return {};
}

std::wstring ApplyMonitorWallpapers(const ProgramFolders& folders, const std::vector<platform::Monitor>& monitors,
                                    const std::vector<std::wstring>& wallpapers) {
    const WallRecords records(folders.dat);
    std::vector<std::wstring> pictures;
    std::vector<DisplayPosition> positions;
    for (const std::wstring& wallpaper : wallpapers) {
        pictures.push_back(platform::JoinPath(folders.wall, wallpaper));
        positions.push_back(records.Read(wallpaper));
    }
    const bool spans = IsWindows8OrGreater();
    const std::wstring path = MonitorWallpaperPath(folders);
    std::wstring problem = ComposeMonitorBitmap(monitors, pictures, positions, !spans, path);
    return problem.empty() ? SetDesktopWallpaper(path, spans ? kSpanTiling : TilingFor(Tile)) : problem;
}

}  // namespace dek
