#include "platform/photo_orientation.h"

#include <string>

#include "platform/picture_size.h"
#include "platform/tiff_directory.h"

namespace platform {
namespace {

constexpr uint16_t kOrientation = 0x0112;

// Exif stands before the frame, in an APP1 segment that begins "Exif\0\0" and holds a TIFF
// structure (another APP1 may hold XMP).
std::optional<uint64_t> ExifStart(const ReadAt& read) {
    const auto exif = [](const JpegSegment& s) { return s.kind == 0xE1 && s.head.compare(4, 6, std::string("Exif\0\0", 6)) == 0; };
    const std::optional<JpegSegment> found =
        FindJpegSegment(read, [&](const JpegSegment& s) { return IsJpegFrame(s.kind) || exif(s); });
    return found && exif(*found) ? std::optional(found->at + 10) : std::nullopt;
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
