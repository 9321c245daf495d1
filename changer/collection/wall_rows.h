// The rows of the wallpaper list: a one-character marker of the display position, an ideographic
// space, then the wallpaper's file name ("並　sea.bmp").
#pragma once

#include <string>
#include <string_view>

#include "changer/collection/display_record.h"

namespace dek {

inline constexpr wchar_t kCenterMarker = L'全';
inline constexpr wchar_t kTileMarker = L'並';
inline constexpr wchar_t kStretchMarker = L'拡';
inline constexpr wchar_t kFitMarker = L'合';   // 画面に合わせる
inline constexpr wchar_t kFillMarker = L'埋';  // 画面を埋める
inline constexpr wchar_t kRowSpace = L'\u3000';

// "全" for Center, "並" for Tile, "合" for Fit, "埋" for Fill, "拡" for stretched.
wchar_t WallMarker(DisplayPosition position);

std::wstring WallRow(DisplayPosition position, std::wstring_view fileName);

}  // namespace dek
