// Drawing a picture onto the canvas: at any size, or repeated at its own. No windows.h: tested
// natively.
#pragma once

#include "platform/canvas.h"

namespace platform {

struct PictureArea {
    // Where the whole picture lands at the size it is drawn; it may reach past the clip.
    Box area;
    // Copies at the picture's own size side by side in every direction over the whole clip, one
    // of them at area's top-left corner (area's size is then the picture's).
    bool tiled = false;
};

// Draws the picture into `placement` without touching a pixel outside `clip` or the canvas. A
// picture drawn smaller is averaged over the pixels each drawn pixel covers, one drawn larger is
// interpolated between its nearest pixels, each direction on its own; at its own size it is
// copied unchanged. Only rows of the picture are read and one row of sums is kept: no scaled
// copy of the picture is ever made.
void DrawPicture(Canvas& canvas, const PictureView& picture, const PictureArea& placement, const Box& clip);

}  // namespace platform
