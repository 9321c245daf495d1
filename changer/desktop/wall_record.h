// The display record files of the wallpapers, in DatDir.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "changer/desktop/display_record.h"

namespace dek {

// DatDir & "\" & wallpaper & ".dat".
std::wstring WallRecordPath(std::wstring_view wallpaper);

// The position in the wallpaper's record; Center when there is no record (no normal file of
// that name) or it cannot be read.
DisplayPosition ReadWallRecord(std::wstring_view wallpaper);

// The position in the record, or nullopt when there is no record to read.
std::optional<DisplayPosition> ReadWallRecordIfPresent(std::wstring_view wallpaper);

// Reads a record that a NormalFileIndex of DatDir holds, without looking it up again.
DisplayPosition ReadIndexedWallRecord(std::wstring_view wallpaper);

// Creates the record or replaces its content; false when it could not be written.
bool WriteWallRecord(std::wstring_view wallpaper, DisplayPosition position);

// The normal files of a folder (not folders, hidden or system files), looked up by name without
// regard to case as the file system does: one read of the folder in place of a lookup per name,
// for the list rebuild, which looks up every wallpaper and every record.
class NormalFileIndex {
public:
    explicit NormalFileIndex(const std::wstring& folder);
    bool Contains(std::wstring_view name) const;

private:
    std::unordered_set<std::wstring> folded_;
};

}  // namespace dek
