#include "platform/tiff_directory.h"

#include <string>

namespace platform {
namespace {

constexpr size_t kEntryBytes = 12;
constexpr uint16_t kShort = 3, kLong = 4;

// The whole numbers of the structure, in its own byte order.
struct ByteOrder {
    bool little;
    uint32_t operator()(const std::string& b, size_t at, int bytes) const {
        uint32_t value = 0;
        for (int i = 0; i < bytes; ++i) {
            const auto byte = static_cast<uint8_t>(b[at + (little ? bytes - 1 - i : i)]);
            value = value << 8 | byte;
        }
        return value;
    }
};

}  // namespace

bool IsTiffHeader(std::string_view head) {
    return head.size() >= 4 && (head.substr(0, 4) == std::string_view("II*\0", 4) ||
                                head.substr(0, 4) == std::string_view("MM\0*", 4));
}

std::optional<uint32_t> ReadTiffNumber(const ReadAt& read, uint64_t start, uint16_t tag) {
    const std::string header = read(start, 8);
    if (header.size() < 8 || !IsTiffHeader(header)) return std::nullopt;
    const ByteOrder number{header[0] == 'I'};
    const uint64_t directory = start + number(header, 4, 4);
    const std::string count = read(directory, 2);
    if (count.size() < 2) return std::nullopt;
    // One read for the whole directory (at most 65,535 entries); a directory cut short by the
    // file's end is searched as far as it goes.
    const std::string entries = read(directory + 2, number(count, 0, 2) * kEntryBytes);
    for (size_t at = 0; at + kEntryBytes <= entries.size(); at += kEntryBytes) {
        if (number(entries, at, 2) != tag) continue;
        const uint32_t type = number(entries, at + 2, 2);
        if (number(entries, at + 4, 4) != 1) return std::nullopt;
        if (type == kShort) return number(entries, at + 8, 2);
        if (type == kLong) return number(entries, at + 8, 4);
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace platform
