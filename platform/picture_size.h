// The size a picture file declares in its header, read before anything of it is decoded, and
// the largest picture the programs take. No windows.h: tested natively and fuzzed.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct PictureSize {
    uint32_t width = 0;
    uint32_t height = 0;
};

// Reads up to `count` bytes at `offset` of the file; fewer (or none) at its end or on an error.
using ReadAt = std::function<std::string(uint64_t offset, size_t count)>;

// A marker segment of a JPEG file: its kind (the byte after 0xFF), where its marker stands, and up
// to ten bytes from there.
struct JpegSegment {
    uint8_t kind;
    uint64_t at;
    std::string head;
};
bool IsJpegFrame(uint8_t kind);
// Walks a JPEG file's segments from its start, each skipped by its declared length, until `take`
// takes one; nothing at the scan, the end, a damaged marker, or after a bounded number of steps
// (a file of fill bytes or tiny segments).
std::optional<JpegSegment> FindJpegSegment(const ReadAt& read, const std::function<bool(const JpegSegment&)>& take);

// The width and height declared by a BMP, GIF, JPEG, PNG or TIFF file (for a GIF the larger of
// its screen and its first image, for a TIFF its first page); nullopt for any other content or a
// header that ends too soon or is damaged.
std::optional<PictureSize> ReadPictureSize(const ReadAt& read);

// Whether a file that begins with `head` (its first eight bytes) is of a kind whose size
// ReadPictureSize reads; any other is measured by its decoder.
bool HasSizeInHeader(std::string_view head);

// A wallpaper is at most 16,384 pixels a side, the largest texture that graphics hardware and the
// desktop's compositor commonly take, and at most 64 million pixels (a 192 MB 24-bit bitmap,
// twice an 8K screen): enough for any desktop of several monitors, and small enough to decode
// in a few seconds and to hold in memory twice.
inline constexpr uint32_t kMaxPictureSide = 16384;
inline constexpr uint64_t kMaxPicturePixels = 64ull * 1000 * 1000;
bool IsAcceptableSize(const PictureSize& size);

}  // namespace platform
