#include "platform/photo_orientation.h"

#include <string>

#include "platform/tiff_directory.h"

namespace platform {
namespace {

constexpr uint16_t kOrientation = 0x0112;

// Exif stands before the frame, in an APP1 segment that begins "Exif\0\0" and holds a TIFF
// structure (another APP1 may hold XMP). Markers and segments are counted, so that a file of fill
// bytes or tiny segments is given up in bounded time.
std::optional<uint64_t> ExifStart(const ReadAt& read) {
    constexpr int kMostSteps = 4096;
    uint64_t at = 2;
    for (int step = 0; step < kMostSteps; ++step) {
        const std::string marker = read(at, 10);
        if (marker.size() < 2 || static_cast<uint8_t>(marker[0]) != 0xFF) return std::nullopt;
        const auto kind = static_cast<uint8_t>(marker[1]);
        if (kind == 0xFF) {  // fill byte
            at += 1;
            continue;
        }
        if (kind == 0x01 || (kind >= 0xD0 && kind <= 0xD8)) {  // markers without a length
            at += 2;
            continue;
        }
        // A frame, the scan or the end: no Exif beyond them.
        const bool frame = kind >= 0xC0 && kind <= 0xCF && kind != 0xC4 && kind != 0xC8 && kind != 0xCC;
        if (frame || kind == 0xDA || kind == 0xD9 || marker.size() < 4) return std::nullopt;
        const uint32_t length = static_cast<uint8_t>(marker[2]) << 8 | static_cast<uint8_t>(marker[3]);
        if (length < 2) return std::nullopt;
        if (kind == 0xE1 && length >= 8 && marker.compare(4, 6, std::string("Exif\0\0", 6)) == 0) return at + 10;
        at += 2 + length;
    }
    return std::nullopt;
}

}  // namespace

int ReadPhotoOrientation(const ReadAt& read) {
    const std::string head = read(0, 4);
    std::optional<uint64_t> tiff;
    if (IsTiffHeader(head)) tiff = 0;
    else if (head.starts_with("\xFF\xD8\xFF")) tiff = ExifStart(read);
    const std::optional<uint32_t> orientation = tiff ? ReadTiffNumber(read, *tiff, kOrientation) : std::nullopt;
    return orientation && *orientation >= 1 && *orientation <= 8 ? static_cast<int>(*orientation) : 1;
}

}  // namespace platform
