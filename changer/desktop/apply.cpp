#include "changer/desktop/apply.h"

#include <windows.h>

#include <string>

#include "changer/collection/wall_records.h"
#include "changer/desktop/change_rules.h"
#include "platform/files.h"
#include "platform/registry.h"

namespace dek {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\desktop";
constexpr UINT kUpdateAndAnnounce = SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE;

}  // namespace

void ApplyWallpaper(const ProgramFolders& folders, std::wstring_view name) {
    std::wstring path = platform::JoinPath(folders.wall, name);
    const DesktopTiling tiling = TilingFor(WallRecords(folders.dat).Read(name));
    // The system reads both values when the wallpaper is set, so they go in first.
    platform::SetRegString(HKEY_CURRENT_USER, kDesktopKey, L"TileWallpaper", tiling.tileWallpaper);
    platform::SetRegString(HKEY_CURRENT_USER, kDesktopKey, L"WallpaperStyle", tiling.wallpaperStyle);
    SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, path.data(), kUpdateAndAnnounce);
}

void ApplyScreenSaver(const ProgramFolders& folders, std::wstring_view name) {
    // Empty when the saver is gone: the system then has no screen saver to start.
    const std::wstring shortPath = platform::ShortPathOf(platform::JoinPath(folders.saver, name));
    WritePrivateProfileStringW(L"boot", L"SCRNSAVE.EXE", shortPath.c_str(), L"system.ini");
    // Where system.ini is mapped to the registry this repeats the line above; where it is not,
    // this is the value the system reads.
    platform::SetRegString(HKEY_CURRENT_USER, kDesktopKey, L"SCRNSAVE.EXE", shortPath);
    SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, kUpdateAndAnnounce);
}

}  // namespace dek
