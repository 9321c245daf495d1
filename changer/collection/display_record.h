// The display record of one wallpaper: how it is laid on the desktop, kept as a one-line text file
// "<picture name>.dat" in the collection's "dat" folder. The texts are read and written here;
// the files themselves in wall_records.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace dek {

// A record may hold any number; only these five are ever written, and any other is shown as Stretch.
using DisplayPosition = int16_t;
inline constexpr DisplayPosition Center = 0;   // once, in the middle of the desktop; the default
inline constexpr DisplayPosition Tile = 1;     // repeated over the whole desktop
inline constexpr DisplayPosition Stretch = 2;  // enlarged over the desktop
inline constexpr DisplayPosition Fit = 3;      // whole, as large as it fits keeping its proportions, with bars
inline constexpr DisplayPosition Fill = 4;     // covering the desktop keeping its proportions, the overflow cut

// How a record's number is shown and laid on the desktop: any number but these five is stretched.
DisplayPosition ShownPosition(DisplayPosition position);

// The first number of the record: leading blanks skipped, the number ending at the first comma,
// blank or line end. A fraction rounds to the nearest whole number, halves to the even one.
// A record that is empty, does not begin with a number, or whose number does not fit 16 bits
// reads as Center, so that a damaged file never stops the program.
DisplayPosition ParseWallRecord(std::string_view text);

// A record is a short number and CR LF: only this many of its first bytes are ever read.
inline constexpr size_t kWallRecordReadLimit = 64;

// The record's whole content: the decimal number, then CR LF ("1\r\n").
std::string FormatWallRecord(DisplayPosition position);

// The record's file name for a wallpaper file name: "sea.bmp" gives "sea.bmp.dat".
std::wstring WallRecordName(std::wstring_view wallpaper);

}  // namespace dek
