#include "platform/monitor_layout.h"

#include <algorithm>
#include <tuple>

namespace platform {

std::vector<Monitor> InLayoutOrder(std::vector<Monitor> monitors) {
    const auto key = [](const Monitor& m) {
        return std::tuple(m.area.left, m.area.top, m.area.right, m.area.bottom, !m.primary);
    };
    std::sort(monitors.begin(), monitors.end(), [&](const Monitor& a, const Monitor& b) { return key(a) < key(b); });
    return monitors;
}

Box VirtualScreen(std::span<const Monitor> monitors) {
    if (monitors.empty()) return {};
    Box all = monitors.front().area;
    for (const Monitor& m : monitors) {
        all = {std::min(all.left, m.area.left), std::min(all.top, m.area.top), std::max(all.right, m.area.right),
               std::max(all.bottom, m.area.bottom)};
    }
    return all;
}

void ShiftForTiledDesktop(Canvas& canvas) {
    const Box area = canvas.Area();
    if (area.Width() <= 0 || area.Height() <= 0) return;
    // The pixel for virtual-screen point (x, y) sits at column x - left; on the desktop it must
    // sit at x mod width. Offsets are taken modulo the size, for a canvas that does not hold (0,0).
    const auto turn = [](int offset, int size) { return static_cast<size_t>(((-offset % size) + size) % size); };
    const size_t columns = turn(area.left, area.Width()), rows = turn(area.top, area.Height());
    if (columns) {
        for (int y = 0; y < canvas.Height(); ++y) {
            uint8_t* row = canvas.Row(y);
            std::rotate(row, row + 3 * columns, row + 3 * static_cast<size_t>(canvas.Width()));
        }
    }
    if (rows) std::rotate(canvas.Row(0), canvas.Row(static_cast<int>(rows)), canvas.Row(canvas.Height()));
    canvas.MoveTo(0, 0);
}

}  // namespace platform
