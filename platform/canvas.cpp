#include "platform/canvas.h"

#include <cstring>

namespace platform {

Canvas::Canvas(const Box& area, Bgr background)
    : area_(area.Width() > 0 && area.Height() > 0 ? area : Box{area.left, area.top, area.left, area.top}),
      pixels_(Stride() * static_cast<size_t>(Height())) {
    if (pixels_.empty()) return;
    // One row painted pixel by pixel, the others copied from it: the canvas is tens of megabytes.
    uint8_t* first = Row(0);
    for (int x = 0; x < Width(); ++x) {
        first[3 * x] = background.blue;
        first[3 * x + 1] = background.green;
        first[3 * x + 2] = background.red;
    }
    for (int y = 1; y < Height(); ++y) std::memcpy(Row(y), first, Stride());
}

void Canvas::MoveTo(int left, int top) { area_ = {left, top, left + Width(), top + Height()}; }

}  // namespace platform
