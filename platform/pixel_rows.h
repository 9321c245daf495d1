// Pixels in the row layout of a 24-bit Windows bitmap, and what is done to them after decoding:
// transparency laid over a colour, a photo turned upright. No windows.h: tested natively.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace platform {

// Blue, green, red per pixel, rows top-down, each padded to a multiple of four bytes.
struct PixelRows {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> bytes;  // height rows of BitmapStride(width) bytes
};

size_t BitmapStride(uint32_t width);

struct Rgb {
    uint8_t red, green, blue;
};

// Lays pixels of blue, green, red and alpha (not premultiplied; rows of width * 4 bytes) over an
// opaque colour, as they would show on it, into bitmap rows of the same size.
void LayOver(std::span<const uint8_t> bgra, Rgb background, PixelRows& into);

// The picture as its Exif orientation (1 to 8, see photo_orientation.h) says it is shown; turned
// a quarter, its width and height change places. May throw std::bad_alloc.
PixelRows Upright(const PixelRows& stored, int orientation);

}  // namespace platform
