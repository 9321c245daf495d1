#include "changer/desktop/wall_record.h"

#include "changer/core/module.h"
#include "platform/files.h"

namespace dek {

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

DisplayPosition ReadWallRecord(std::wstring_view wallpaper) {
    return ReadWallRecordIfPresent(wallpaper).value_or(Center);
}

bool WriteWallRecord(std::wstring_view wallpaper, DisplayPosition position) {
    return platform::WriteFileBytes(WallRecordPath(wallpaper), FormatWallRecord(position));
}

}  // namespace dek
