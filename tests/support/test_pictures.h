// Small picture files for the tests, and Windows bitmaps painted on demand.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace dektest {

// 40 x 30 GIF in four quarters: red top left, green (0, 255, 0) top right, white bottom left,
// blue bottom right.
std::string_view SkyGif();
inline constexpr int kSkyWidth = 40;
inline constexpr int kSkyHeight = 30;

// 32 x 32 JPEG in four 16 x 16 quarters near (200, 40, 40) top left, (40, 160, 60) top right,
// (30, 60, 200) bottom left, (240, 220, 40) bottom right.
std::string_view PhotoJpg();

// An uncompressed 24-bit Windows bitmap file, rows bottom-up, painted by `colourAt`.
std::string MakeBitmap(int width, int height, const std::function<COLORREF(int x, int y)>& colourAt);

}  // namespace dektest
