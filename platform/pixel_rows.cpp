#include "platform/pixel_rows.h"

#include <cstring>

namespace platform {

size_t BitmapStride(uint32_t width) { return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3}; }

void LayOver(std::span<const uint8_t> bgra, Rgb background, PixelRows& into) {
    const size_t stride = BitmapStride(into.width);
    const uint8_t under[3] = {background.blue, background.green, background.red};
    for (size_t y = 0; y < into.height; ++y) {
        for (size_t x = 0; x < into.width; ++x) {
            const uint8_t* from = &bgra[(y * into.width + x) * 4];
            uint8_t* to = &into.bytes[y * stride + x * 3];
            const unsigned alpha = from[3];
            for (int c = 0; c < 3; ++c) to[c] = static_cast<uint8_t>((from[c] * alpha + under[c] * (255 - alpha) + 127) / 255);
        }
    }
}

PixelRows Upright(const PixelRows& stored, int orientation) {
    if (orientation < 2 || orientation > 8) return stored;
    const uint32_t w = stored.width, h = stored.height;
    const bool quarter = orientation >= 5;
    PixelRows shown{quarter ? h : w, quarter ? w : h, {}};
    shown.bytes.resize(BitmapStride(shown.width) * shown.height);
    const size_t from = BitmapStride(w), to = BitmapStride(shown.width);
    for (uint32_t y = 0; y < shown.height; ++y) {
        for (uint32_t x = 0; x < shown.width; ++x) {
            // Where the pixel shown at (x, y) is stored.
            uint32_t sx = x, sy = y;
            switch (orientation) {
            case 2: sx = w - 1 - x; break;
            case 3: sx = w - 1 - x, sy = h - 1 - y; break;
            case 4: sy = h - 1 - y; break;
            case 5: sx = y, sy = x; break;
            case 6: sx = y, sy = h - 1 - x; break;
            case 7: sx = w - 1 - y, sy = h - 1 - x; break;
            case 8: sx = w - 1 - y, sy = x; break;
            }
            std::memcpy(&shown.bytes[y * to + x * 3], &stored.bytes[sy * from + sx * 3], 3);
        }
    }
    return shown;
}

}  // namespace platform
