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

std::wstring ApplyMonitorWallpapers(const ProgramFolders& folders, const std::vector<platform::Monitor>& monitors,
                                    const std::vector<std::wstring>& wallpapers) {
    const COLORREF background = GetSysColor(COLOR_DESKTOP);
    platform::Canvas canvas(platform::VirtualScreen(monitors),
                            {GetBValue(background), GetGValue(background), GetRValue(background)});
    const WallRecords records(folders.dat);
    // One picture held at a time beside the bitmap.
    for (size_t i = 0; i < monitors.size() && i < wallpapers.size(); ++i) {
        const std::wstring path = platform::JoinPath(folders.wall, wallpapers[i]);
        const platform::PictureLoad load = platform::LoadPicture(path);
        if (!load.picture) return CannotApplyMessage(path, platform::ErrorTextOfResult(load.error));
        const platform::Picture& picture = *load.picture;
        DrawWallpaper(canvas, {picture.Width(), picture.Height(), platform::Picture::Stride(picture.Width()), picture.Pixels().data()},
                      monitors[i].area, records.Read(wallpapers[i]));
    }
    const bool spans = IsWindows8OrGreater();
    if (!spans) platform::ShiftForTiledDesktop(canvas);
    const std::wstring path = MonitorWallpaperPath(folders);
    const int width = canvas.Width(), height = canvas.Height();
    if (const DWORD error = platform::SaveBitmap(platform::Picture(width, height, canvas.TakePixels()), path)) {
        return CannotApplyMessage(path, platform::ErrorText(error));
    }
    return SetDesktopWallpaper(path, spans ? kSpanTiling : TilingFor(Tile));
}

}  // namespace dek
