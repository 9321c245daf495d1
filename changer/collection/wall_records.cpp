#include "changer/collection/wall_records.h"

#include <unordered_set>

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

// The normal files of a folder by folded name.
std::unordered_set<std::wstring> NormalFilesOf(const std::wstring& folder) {
    std::unordered_set<std::wstring> names;
    for (const std::wstring& name : platform::NormalFilesIn(folder)) names.insert(Folded(name));
    return names;
}

// For a record a lookup or a listing has just shown to be a normal file; one that cannot be read
// counts as Center.
DisplayPosition ReadRecordFile(const std::wstring& path) {
    const std::optional<std::string> text = platform::ReadListedFileHead(path, kWallRecordReadLimit);
    return text ? ParseWallRecord(*text) : Center;
}

}  // namespace

std::wstring WallRecords::PathOf(std::wstring_view wallpaper) const {
    return platform::JoinPath(folder_, WallRecordName(wallpaper));
}

DisplayPosition WallRecords::Read(std::wstring_view wallpaper) const {
    const std::wstring path = PathOf(wallpaper);
    // Only a normal file counts as a record, as in every other lookup of the collection.
    return platform::IsNormalFile(path) ? ReadRecordFile(path) : Center;
}

DWORD WallRecords::Write(std::wstring_view wallpaper, DisplayPosition position) const {
    return platform::WriteWholeFile(PathOf(wallpaper), FormatWallRecord(position));
}

DisplayPosition WallRecords::ReadOrCreate(std::wstring_view wallpaper) const {
    const std::wstring path = PathOf(wallpaper);
    if (platform::IsNormalFile(path)) return ReadRecordFile(path);
    Write(wallpaper, Center);
    return Center;
}

void WallRecords::Remove(std::wstring_view wallpaper) const {
    const std::wstring path = PathOf(wallpaper);
    if (platform::IsNormalFile(path)) platform::DeleteFileAt(path);
}

void WallRecords::Complete(std::vector<ShelfItem>& wallpapers, bool readPositions) const {
    const std::unordered_set<std::wstring> records = NormalFilesOf(folder_);
    for (ShelfItem& wallpaper : wallpapers) {
        // A record that cannot be written reads as Center, which is what the desktop then gets.
        if (!records.contains(Folded(WallRecordName(wallpaper.name)))) {
            Write(wallpaper.name, Center);
        } else if (readPositions) {
            wallpaper.position = ReadRecordFile(PathOf(wallpaper.name));
        }
    }
}

}  // namespace dek
