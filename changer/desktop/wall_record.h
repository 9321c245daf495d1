// The display record files of the wallpapers, in DatDir.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "changer/desktop/display_record.h"

namespace dek {

// DatDir & "\" & wallpaper & ".dat".
std::wstring WallRecordPath(std::wstring_view wallpaper);

// The position in the wallpaper's record; Center when there is no record (no normal file of
// that name) or it cannot be read.
DisplayPosition ReadWallRecord(std::wstring_view wallpaper);

// The position in the record, or nullopt when there is no record to read.
std::optional<DisplayPosition> ReadWallRecordIfPresent(std::wstring_view wallpaper);

// Creates the record or replaces its content; false when it could not be written.
bool WriteWallRecord(std::wstring_view wallpaper, DisplayPosition position);

}  // namespace dek
