#include "changer/desktop/wallpaper_layout.h"

#include <algorithm>

namespace dek {
namespace {

using platform::Box;

// Halves down for a difference of either sign: a picture one pixel larger than the monitor starts
// one pixel before it, as one pixel smaller ends one pixel before its end.
int HalfOf(int difference) { return difference >= 0 ? difference / 2 : -((1 - difference) / 2); }

Box InTheMiddle(int width, int height, const Box& monitor) {
    const int left = monitor.left + HalfOf(monitor.Width() - width);
    const int top = monitor.top + HalfOf(monitor.Height() - height);
    return {left, top, left + width, top + height};
}

// side * numerator / denominator to the nearest whole number, halves up; at least 1.
int Scaled(long long side, long long numerator, long long denominator) {
    return static_cast<int>(std::max(1LL, (2 * side * numerator + denominator) / (2 * denominator)));
}

// Fit scales by the smaller of the two ratios monitor / picture, Fill by the larger.
Box Proportional(int width, int height, const Box& monitor, bool cover) {
    const long long monitorWidth = monitor.Width(), monitorHeight = monitor.Height();
    // The picture is wider in proportion than the monitor (or as wide): width / height >= mw / mh.
    const bool wider = width * monitorHeight >= height * monitorWidth;
    if (wider != cover) return InTheMiddle(monitor.Width(), Scaled(height, monitorWidth, width), monitor);
    return InTheMiddle(Scaled(width, monitorHeight, height), monitor.Height(), monitor);
}

}  // namespace

platform::PictureArea PlaceWallpaper(int width, int height, const Box& monitor, DisplayPosition position) {
    if (width <= 0 || height <= 0 || monitor.Width() <= 0 || monitor.Height() <= 0) {
        return {{monitor.left, monitor.top, monitor.left, monitor.top}};
    }
    switch (position) {
    case Center: return {InTheMiddle(width, height, monitor)};
    case Tile: return {{monitor.left, monitor.top, monitor.left + width, monitor.top + height}, true};
    case Fit: return {Proportional(width, height, monitor, false)};
    case Fill: return {Proportional(width, height, monitor, true)};
    default: return {monitor};
    }
}

void DrawWallpaper(platform::Canvas& canvas, const platform::PictureView& picture, const Box& monitor,
                   DisplayPosition position) {
    platform::DrawPicture(canvas, picture, PlaceWallpaper(picture.width, picture.height, monitor, position), monitor);
}

}  // namespace dek
