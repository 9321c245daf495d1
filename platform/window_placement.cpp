#include "platform/window_placement.h"

#include <algorithm>

namespace platform {

Spot Centred(int width, int height, const Box& monitor) {
    return {monitor.left + (monitor.Width() - width) / 2, monitor.top + (monitor.Height() - height) / 2};
}

Spot WithinWorkArea(Spot wanted, int width, int height, const Box& workArea) {
    return {std::clamp(wanted.x, workArea.left, std::max(workArea.left, workArea.right - width)),
            std::clamp(wanted.y, workArea.top, std::max(workArea.top, workArea.bottom - height))};
}

}  // namespace platform
