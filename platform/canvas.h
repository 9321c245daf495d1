// The desktop's bitmap while it is being made: 24-bit pixels over a rectangle of the virtual
// screen, in the row layout of platform::Picture, so that it becomes one without a copy.
// No windows.h: tested natively.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/window_placement.h"

namespace platform {

struct Bgr {
    uint8_t blue = 0, green = 0, red = 0;
    bool operator==(const Bgr&) const = default;
};

// One row of `width` 24-bit pixels, padded to a multiple of four bytes.
constexpr size_t RowBytes(int width) { return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3}; }

// Pixels held elsewhere, such as a decoded platform::Picture:
// {picture.Width(), picture.Height(), Picture::Stride(picture.Width()), picture.Pixels().data()}.
struct PictureView {
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;  // negative for rows kept bottom-up, as a bitmap file keeps them
    const uint8_t* pixels = nullptr;  // the top row
    const uint8_t* Row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * stride; }
};

class Canvas {
public:
    // Every pixel of `area` (virtual-screen pixels) in the background colour.
    Canvas(const Box& area, Bgr background);

    const Box& Area() const { return area_; }
    int Width() const { return area_.Width(); }
    int Height() const { return area_.Height(); }
    size_t Stride() const { return RowBytes(Width()); }
    // Rows are counted from the canvas's top, not in virtual-screen pixels.
    uint8_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * Stride(); }
    const uint8_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * Stride(); }
    // Moves the canvas to another place of the same size; its pixels stay as they are.
    void MoveTo(int left, int top);

    // For platform::Picture(Width(), Height(), TakePixels()); the canvas is empty afterwards.
    std::vector<uint8_t> TakePixels() { return std::move(pixels_); }

private:
    Box area_;
    std::vector<uint8_t> pixels_;
};

}  // namespace platform
