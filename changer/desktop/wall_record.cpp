#include "changer/desktop/wall_record.h"

#include <windows.h>

#include "changer/core/module.h"
#include "platform/files.h"
#include "platform/handles.h"

namespace dek {
namespace {

// Upper case as the file system compares names.
std::wstring Folded(std::wstring_view name) {
    std::wstring folded(name);
    if (!folded.empty()) {
        LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, name.data(), static_cast<int>(name.size()),
                      folded.data(), static_cast<int>(folded.size()), nullptr, nullptr, 0);
    }
    return folded;
}

}  // namespace

std::wstring WallRecordPath(std::wstring_view wallpaper) {
    return platform::JoinPath(Module1().DatDir(), WallRecordName(wallpaper));
}

std::optional<DisplayPosition> ReadWallRecordIfPresent(std::wstring_view wallpaper) {
    const std::wstring path = WallRecordPath(wallpaper);
    // Only a normal file counts as a record, as in every other lookup of the collection.
    if (!platform::IsNormalFile(path)) return std::nullopt;
    const std::optional<std::string> text = platform::ReadFileBytes(path);
    return text ? ParseWallRecord(*text) : Center;
}

DisplayPosition ReadIndexedWallRecord(std::wstring_view wallpaper) {
    const std::optional<std::string> text = platform::ReadFileBytes(WallRecordPath(wallpaper));
    return text ? ParseWallRecord(*text) : Center;
}

DisplayPosition ReadWallRecord(std::wstring_view wallpaper) {
    return ReadWallRecordIfPresent(wallpaper).value_or(Center);
}

bool WriteWallRecord(std::wstring_view wallpaper, DisplayPosition position) {
    return platform::WriteFileBytes(WallRecordPath(wallpaper), FormatWallRecord(position));
}

NormalFileIndex::NormalFileIndex(const std::wstring& folder) {
    constexpr DWORD kNotNormal = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    WIN32_FIND_DATAW found;
    platform::UniqueFind find(FindFirstFileExW(platform::JoinPath(folder, L"*").c_str(), FindExInfoBasic, &found,
                                               FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return;
    do {
        if ((found.dwFileAttributes & kNotNormal) == 0) folded_.insert(Folded(found.cFileName));
    } while (FindNextFileW(find.get(), &found));
}

bool NormalFileIndex::Contains(std::wstring_view name) const { return folded_.contains(Folded(name)); }

}  // namespace dek
