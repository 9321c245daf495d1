#include "changer/desktop/apply.h"

#include <windows.h>

#include "changer/collection/collection_names.h"
#include "changer/collection/wall_records.h"
#include "platform/error_text.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "platform/registry.h"

namespace dek {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\desktop";
constexpr UINT kUpdateAndAnnounce = SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE;

std::wstring Failed(const std::wstring& path, DWORD error) {
    return CannotApplyMessage(path, error == ERROR_BAD_FORMAT ? NotABitmapReason() : platform::ErrorText(error));
}

}  // namespace

std::wstring SetDesktopWallpaper(const std::wstring& path, const DesktopTiling& tiling) {
    if (const DWORD error = platform::CheckBitmapFile(path)) return Failed(path, error);
    // The system reads both values when the wallpaper is set, so they go in first.
    for (const auto& [name, value] : {std::pair{L"TileWallpaper", tiling.tileWallpaper}, {L"WallpaperStyle", tiling.wallpaperStyle}}) {
        if (const LSTATUS error = platform::SetRegString(HKEY_CURRENT_USER, kDesktopKey, name, value)) return Failed(path, error);
    }
    std::wstring parameter = path;
    if (!SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, parameter.data(), kUpdateAndAnnounce)) return Failed(path, GetLastError());
    return {};
}

std::wstring ApplyWallpaper(const ProgramFolders& folders, std::wstring_view name) {
    return SetDesktopWallpaper(platform::JoinPath(folders.wall, name), TilingFor(WallRecords(folders.dat).Read(name)));
}

std::wstring ApplyScreenSaver(const ProgramFolders& folders, std::wstring_view name) {
    const std::wstring path = platform::JoinPath(folders.saver, name);
    // Empty when the saver is gone: the system then has no screen saver to start.
    const std::wstring shortPath = platform::ShortPathOf(path);
    const DWORD missing = shortPath.empty() ? GetLastError() : ERROR_SUCCESS;
    if (!WritePrivateProfileStringW(L"boot", L"SCRNSAVE.EXE", shortPath.c_str(), L"system.ini")) return Failed(path, GetLastError());
    // Where system.ini is mapped to the registry this repeats the line above; where it is not,
    // this is the value the system reads.
    if (const LSTATUS error = platform::SetRegString(HKEY_CURRENT_USER, kDesktopKey, L"SCRNSAVE.EXE", shortPath)) {
        return Failed(path, error);
    }
    if (!SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, kUpdateAndAnnounce)) return Failed(path, GetLastError());
    return missing ? Failed(path, missing) : std::wstring();
}

}  // namespace dek
