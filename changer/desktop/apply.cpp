#include "changer/desktop/apply.h"

#include <string>

#include "changer/core/module.h"
#include "changer/desktop/wall_record.h"
#include "platform/files.h"
#include "platform/registry.h"

namespace dek {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\desktop";
constexpr UINT kUpdateAndAnnounce = SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE;

}  // namespace

bool SetRegString(HKEY root, std::wstring_view subkey, std::wstring_view name, std::wstring_view text) {
    return platform::SetRegString(root, subkey, name, text);
}

void ApplyWallpaper(std::wstring_view name) {
    std::wstring path = platform::JoinPath(Module1().WallDir, name);
    const DesktopTiling tiling = TilingFor(ReadWallRecord(name));
    // The system reads both values when the wallpaper is set, so they go in first.
    SetRegString(HKEY_CURRENT_USER, kDesktopKey, L"TileWallpaper", tiling.tileWallpaper);
    SetRegString(HKEY_CURRENT_USER, kDesktopKey, L"WallpaperStyle", tiling.wallpaperStyle);
    SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, path.data(), kUpdateAndAnnounce);
}

void ApplyScreenSaver(std::wstring_view name) {
    // Empty when the saver is gone: the system then has no screen saver to start.
    const std::wstring shortPath = platform::ShortPathOf(platform::JoinPath(Module1().SaverDir, name));
    WritePrivateProfileStringW(L"boot", L"SCRNSAVE.EXE", shortPath.c_str(), L"system.ini");
    // Where system.ini is mapped to the registry this repeats the line above; where it is not,
    // this is the value the system reads.
    SetRegString(HKEY_CURRENT_USER, kDesktopKey, L"SCRNSAVE.EXE", shortPath);
    SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, kUpdateAndAnnounce);
}

}  // namespace dek
