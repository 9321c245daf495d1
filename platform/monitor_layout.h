// The desktop's monitors as rectangles in virtual-screen pixels (the primary's top-left at 0,0;
// others may lie left of or above it), the bitmap that covers them all, and how that bitmap is
// laid so that each monitor shows its part. No windows.h: tested natively.
#pragma once

#include <span>
#include <vector>

#include "platform/canvas.h"

namespace platform {

struct Monitor {
    Box area;
    bool primary = false;
    bool operator==(const Monitor&) const = default;
};

// A monitor is known by its place in this order, never by a system id, which may change with a
// restart or a driver while the arrangement stays: left edges from left to right, monitors with the
// same left edge (stacked) from top to bottom, of two with the same corner the narrower, then the
// shorter, then the primary first (mirrored monitors share one rectangle).
std::vector<Monitor> InLayoutOrder(std::vector<Monitor> monitors);

// The smallest rectangle holding every monitor, which the desktop's bitmap covers; empty at 0,0
// without monitors.
Box VirtualScreen(std::span<const Monitor> monitors);

// Without a spanned wallpaper (Windows 7) the bitmap is tiled, and the desktop repeats it from
// the primary monitor's top-left (0,0) in every direction. A canvas over the virtual screen
// (left, top <= 0) then lines up with the monitors once its columns are turned -left places to
// the left and its rows -top places up, each wrapping round, since the virtual screen's width and
// height are the period. Done in place; the canvas then lies at (0,0), where its pixel (x, y)
// is what the desktop shows at every (x + i * width, y + j * height).
void ShiftForTiledDesktop(Canvas& canvas);

}  // namespace platform
