// Picture files for the tests: small ones of their own (tests/data, beside the test programs), and
// Windows bitmaps painted on demand.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace dektest {

// "sky.gif": 40 x 30 in four quarters, red top left, green top right, white bottom left, blue
// bottom right. "photo.jpg": a 32 x 32 JPEG in four coloured quarters.
std::string TestPicture(const wchar_t* name);

// An uncompressed 24-bit Windows bitmap file, rows bottom-up, painted by `colourAt`.
std::string MakeBitmap(int width, int height, const std::function<COLORREF(int x, int y)>& colourAt);

}  // namespace dektest
