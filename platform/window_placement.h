// Sizes and places of windows: twips (1/1440 inch), the unit of every layout in the programs, in
// pixels; and where the programs put their windows on a monitor, centred, and never with the
// title bar out of the user's reach. No windows.h: tested natively.
#pragma once

namespace platform {

constexpr int kTwipsPerInch = 1440;

// Rounded to the nearest pixel: 15 twips make one pixel at 96 dots per inch, 7.5 at 192.
constexpr int TwipsToPixels(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + kTwipsPerInch / 2) / kTwipsPerInch
                                        : -((-scaled + kTwipsPerInch / 2) / kTwipsPerInch));
}

struct Box {
    int left, top, right, bottom;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Box&) const = default;
};

struct Spot {
    int x, y;
    bool operator==(const Spot&) const = default;
};

// The top-left corner that centres a window of this size on the monitor, each difference halved
// with truncation toward zero.
Spot Centred(int width, int height, const Box& monitor);

// The corner nearest `wanted` at which the whole window lies in the work area, as far as it fits;
// a window wider or taller than the work area keeps its left or top edge on the work area's, so
// that its title bar can always be taken hold of.
Spot WithinWorkArea(Spot wanted, int width, int height, const Box& workArea);

}  // namespace platform
