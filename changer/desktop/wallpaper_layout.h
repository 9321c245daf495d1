// Where a wallpaper lands on one monitor in its display position, and drawing it there, for the
// bitmap that covers all monitors. No windows.h: tested natively.
//
// The bitmap is made monitor by monitor, so that only one picture is held at a time:
//   platform::Canvas canvas(platform::VirtualScreen(monitors), background);
//   for each monitor: decode its picture, DrawWallpaper(canvas, picture, monitor.area, position).
#pragma once

#include "changer/collection/display_record.h"
#include "platform/picture_drawing.h"

namespace dek {

// For a picture of width x height pixels on the monitor:
// - Center: at its own size in the middle;
// - Tile: at its own size, repeated from the monitor's top-left corner;
// - Stretch: exactly the monitor (any number other than 0 to 4 too);
// - Fit: the largest size at which it fits whole keeping its proportions, in the middle;
// - Fill: the smallest size at which it covers the monitor keeping its proportions, in the middle.
// Fit and Fill scale to the monitor's side that decides and round the other side to the nearest
// pixel, halves up, at least 1: Fit then never reaches past the monitor and Fill never leaves a
// bar, however close the proportions. Where the two halves of a difference cannot be equal, the
// picture lies half a pixel left of and above the middle: the right or lower bar is the wider,
// the left or upper cut the larger.
platform::PictureArea PlaceWallpaper(int width, int height, const platform::Box& monitor, DisplayPosition position);

// Draws the picture where PlaceWallpaper puts it; nothing of it outside the monitor.
void DrawWallpaper(platform::Canvas& canvas, const platform::PictureView& picture, const platform::Box& monitor,
                   DisplayPosition position);

}  // namespace dek
