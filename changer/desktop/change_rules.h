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
// takes "TileWallpaper" as on/off and the scaling from "WallpaperStyle", so every position needs
// the pair; a record holding a number other than 0 to 4 is shown as stretched and applied so.
struct DesktopTiling {
    const wchar_t* tileWallpaper;
    const wchar_t* wallpaperStyle;
};
DesktopTiling TilingFor(DisplayPosition position);

// One bitmap laid over all monitors from the virtual screen's top-left (Windows 8 and later).
inline constexpr DesktopTiling kSpanTiling = {L"0", L"22"};

}  // namespace dek
