// Twips (1/1440 inch), the unit of every layout in the programs, and screen pixels.
#pragma once

namespace platform {

constexpr int kTwipsPerInch = 1440;

// Rounded to the nearest pixel: 15 twips make one pixel at 96 dots per inch.
constexpr int TwipsToPixels(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + kTwipsPerInch / 2) / kTwipsPerInch
                                        : -((-scaled + kTwipsPerInch / 2) / kTwipsPerInch));
}

constexpr int PixelsToTwips(int pixels, int dpi) { return pixels * kTwipsPerInch / dpi; }

// The screen's real dots per inch (the program is DPI aware, so this is not virtualised).
int ScreenDpi();

}  // namespace platform
