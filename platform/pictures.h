// Pictures through the platform's imaging (WIC): files of the kinds taken (picture_formats.h)
// measured before they are decoded, decoded once into 24-bit pixels, and saved as 24-bit Windows
// bitmaps. Failures come back as values.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/canvas.h"
#include "platform/handles.h"
#include "platform/picture_size.h"
#include "platform/pixel_rows.h"

namespace platform {

// A decoded picture held as 24-bit pixels, blue-green-red, rows top-down, each row padded to a
// multiple of four bytes (the row layout of a Windows bitmap).
class Picture {
public:
    // `pixels` holds Height() rows of Stride(width) bytes.
    Picture(int width, int height, std::vector<uint8_t> pixels)
        : width_(width), height_(height), pixels_(std::move(pixels)) {}

    static size_t Stride(int width) { return BitmapStride(static_cast<uint32_t>(width)); }

    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::vector<uint8_t>& Pixels() const { return pixels_; }
    // A device-independent bitmap of the picture for showing it; null when none can be made.
    UniqueHBitmap CreateBitmap() const;

private:
    int width_;
    int height_;
    std::vector<uint8_t> pixels_;
};

struct PictureLoad {
    std::optional<Picture> picture;
    // Why there is none: the system's error, WINCODEC_ERR_UNKNOWNIMAGEFORMAT for a file that is
    // not a picture of a kind taken, WINCODEC_ERR_IMAGESIZEOUTOFRANGE for one too large.
    HRESULT error = S_OK;
    PictureSize declared;  // as the file's header (or, for a kind without one we read, its decoder) gives it
};

// Decodes the first frame of a picture file, by its content (the name plays no part), after its
// header (or, for a kind without one we read, its decoder) has shown a size that
// IsAcceptableSize allows. Transparency is laid over the desktop's colour, and a photo is turned
// as its Exif orientation says.
PictureLoad LoadPicture(const std::wstring& path);

// Whether a file opens and begins as a Windows bitmap of a size the programs take, without
// decoding it: ERROR_SUCCESS, the system's error when it cannot be read, or ERROR_BAD_FORMAT.
DWORD CheckBitmapFile(const std::wstring& path);

// A 24-bit uncompressed Windows bitmap file, as every picture converted into the collection is,
// read in place: its rows where the file holds them, mapped into memory without a copy, so that
// drawing from it costs no decoding and holds no second picture. Empty for any other file.
class MappedBitmap {
public:
    explicit MappedBitmap(const std::wstring& path);
    explicit operator bool() const { return view_.pixels != nullptr; }
    const PictureView& View() const { return view_; }

private:
    UniqueMappedView mapping_;
    PictureView view_;
};

// Writes the picture as a 24-bit bottom-up Windows bitmap file, replacing a file at that path only
// once the whole bitmap has been written.
DWORD SaveBitmap(const Picture& picture, const std::wstring& path);

}  // namespace platform
