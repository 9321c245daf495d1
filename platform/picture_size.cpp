#include "platform/picture_size.h"

#include <algorithm>

#include "platform/tiff_directory.h"

namespace platform {
namespace {

uint32_t Little(const std::string& b, size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(b[at + i]);
    return value;
}

uint32_t Big(const std::string& b, size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value = value << 8 | static_cast<uint8_t>(b[at + i]);
    return value;
}

std::optional<PictureSize> BitmapSize(const std::string& head) {
    if (head.size() < 26) return std::nullopt;
    if (Little(head, 14, 4) == 12) return PictureSize{Little(head, 18, 2), Little(head, 20, 2)};  // the oldest header
    const auto width = static_cast<int32_t>(Little(head, 18, 4));
    const auto height = static_cast<int32_t>(Little(head, 22, 4));  // negative: rows top-down
    if (width < 0 || height == INT32_MIN) return std::nullopt;
    return PictureSize{static_cast<uint32_t>(width), static_cast<uint32_t>(height < 0 ? -height : height)};
}

// The screen, then the blocks up to the first image, each skipped by its declared length.
std::optional<PictureSize> GifSize(const ReadAt& read) {
    const std::string screen = read(0, 13);
    if (screen.size() < 13) return std::nullopt;
    PictureSize size{Little(screen, 6, 2), Little(screen, 8, 2)};
    const uint8_t flags = static_cast<uint8_t>(screen[10]);
    uint64_t at = 13 + ((flags & 0x80) ? 3u << ((flags & 7) + 1) : 0);
    for (;;) {
        const std::string block = read(at, 10);
        if (block.empty()) return std::nullopt;
        if (block[0] == ',') {  // the first image: it may reach beyond the screen
            if (block.size() < 9) return std::nullopt;
            size.width = std::max(size.width, Little(block, 1, 2) + Little(block, 5, 2));
            size.height = std::max(size.height, Little(block, 3, 2) + Little(block, 7, 2));
            return size;
        }
        if (block[0] != '!' || block.size() < 3) return std::nullopt;
        at += 2;  // the extension's introducer and label, then its sub-blocks up to an empty one
        for (;;) {
            const std::string length = read(at, 1);
            if (length.empty()) return std::nullopt;
            at += 1 + static_cast<uint8_t>(length[0]);
            if (length[0] == 0) break;
        }
    }
}

std::optional<PictureSize> JpegSize(const ReadAt& read) {
    const std::optional<JpegSegment> frame = FindJpegSegment(read, [](const JpegSegment& s) { return IsJpegFrame(s.kind); });
    if (!frame || frame->head.size() < 9) return std::nullopt;
    return PictureSize{Big(frame->head, 7, 2), Big(frame->head, 5, 2)};
}

std::optional<PictureSize> TiffSize(const ReadAt& read) {
    constexpr uint16_t kImageWidth = 256, kImageLength = 257;
    const std::optional<uint32_t> width = ReadTiffNumber(read, 0, kImageWidth);
    const std::optional<uint32_t> height = ReadTiffNumber(read, 0, kImageLength);
    if (!width || !height) return std::nullopt;
    return PictureSize{*width, *height};
}

bool IsBitmap(std::string_view head) { return head.starts_with("BM"); }
bool IsGif(std::string_view head) { return head.starts_with("GIF87a") || head.starts_with("GIF89a"); }
bool IsJpeg(std::string_view head) { return head.starts_with("\xFF\xD8\xFF"); }
bool IsPng(std::string_view head) { return head.starts_with("\x89PNG\r\n\x1A\n"); }

}  // namespace

bool IsJpegFrame(uint8_t kind) { return kind >= 0xC0 && kind <= 0xCF && kind != 0xC4 && kind != 0xC8 && kind != 0xCC; }

std::optional<JpegSegment> FindJpegSegment(const ReadAt& read, const std::function<bool(const JpegSegment&)>& take) {
    constexpr int kMostSteps = 4096;
    uint64_t at = 2;
    for (int step = 0; step < kMostSteps; ++step) {
        JpegSegment segment{0, at, read(at, 10)};
        if (segment.head.size() < 2 || static_cast<uint8_t>(segment.head[0]) != 0xFF) return std::nullopt;
        segment.kind = static_cast<uint8_t>(segment.head[1]);
        if (segment.kind == 0xFF) {  // fill byte
            at += 1;
            continue;
        }
        if (segment.kind == 0x01 || (segment.kind >= 0xD0 && segment.kind <= 0xD8)) {  // markers without a length
            at += 2;
            continue;
        }
        if (segment.kind == 0xD9 || segment.kind == 0xDA || segment.head.size() < 4) return std::nullopt;
        if (take(segment)) return segment;
        const uint32_t length = Big(segment.head, 2, 2);
        if (length < 2) return std::nullopt;
        at += 2 + length;
    }
    return std::nullopt;
}

std::optional<PictureSize> ReadPictureSize(const ReadAt& read) {
    const std::string head = read(0, 26);
    if (IsBitmap(head)) return BitmapSize(head);
    if (IsGif(head)) return GifSize(read);
    if (IsJpeg(head)) return JpegSize(read);
    if (IsPng(head) && head.size() >= 24 && head.compare(12, 4, "IHDR") == 0) {
        return PictureSize{Big(head, 16, 4), Big(head, 20, 4)};
    }
    if (IsTiffHeader(head)) return TiffSize(read);
    return std::nullopt;
}

bool HasSizeInHeader(std::string_view head) {
    return IsBitmap(head) || IsGif(head) || IsJpeg(head) || IsPng(head) || IsTiffHeader(head);
}

bool IsAcceptableSize(const PictureSize& size) {
    return size.width >= 1 && size.height >= 1 && size.width <= kMaxPictureSide && size.height <= kMaxPictureSide &&
           static_cast<uint64_t>(size.width) * size.height <= kMaxPicturePixels;
}

}  // namespace platform
