// The rows of the wallpaper list: a one-character marker of the display position, an ideographic
// space, then the wallpaper's file name ("並　sea.bmp").
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "changer/collection/display_record.h"

namespace dek {

inline constexpr wchar_t kCenterMarker = L'全';
inline constexpr wchar_t kTileMarker = L'並';
inline constexpr wchar_t kStretchMarker = L'拡';
inline constexpr wchar_t kRowSpace = L'\u3000';

// "全" for Center, "並" for Tile, "拡" for any other number.
wchar_t WallMarker(DisplayPosition position);

std::wstring WallRow(DisplayPosition position, std::wstring_view fileName);

// What a row stands for: the file name is the row without its first two characters (a name that
// itself begins with a blank keeps it); the position is the marker's, or none for a row that does
// not begin with one of the three markers.
struct WallRowParts {
    std::wstring fileName;
    std::optional<DisplayPosition> position;
};
WallRowParts ParseWallRow(std::wstring_view row);

}  // namespace dek
