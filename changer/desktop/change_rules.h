// What the change timer and the change sound decide, apart from the windows and files they act on.
// No windows.h: tested natively.
#pragma once

#include <cstdint>
#include <string_view>

#include "changer/collection/display_record.h"

namespace dek {

// One tick of the change timer: counts it and tells whether the timed change is due now. The
// caller makes the change, then sets the count to 0. An interval below 1 never comes due.
bool CountMinute(int16_t& minuteCount, int16_t interval);

// True when the first bytes of a file are those of a RIFF WAVE file, the only kind the change
// sound plays; anything else gets the platform's default sound.
bool IsWaveHeader(std::string_view firstBytes);

// The desktop's two registry values for a position, under "Control Panel\Desktop". The system
// takes "TileWallpaper" as on/off and stretching from "WallpaperStyle", so a stretched wallpaper
// needs the pair; a record holding a number other than 0 or 1 is shown as stretched and applied so.
struct DesktopTiling {
    const wchar_t* tileWallpaper;
    const wchar_t* wallpaperStyle;
};
DesktopTiling TilingFor(DisplayPosition position);

}  // namespace dek
