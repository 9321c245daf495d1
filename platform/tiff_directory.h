// Numbers in the first directory of a TIFF structure: a TIFF file's own, or the one a JPEG photo
// carries in its Exif segment. No windows.h: tested natively and fuzzed.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/picture_size.h"

namespace platform {

// Whether `head` (at least four bytes) begins a TIFF structure, in either byte order.
bool IsTiffHeader(std::string_view head);

// The value of field `tag` of the first directory of the TIFF structure at `start`, when it is one
// SHORT or LONG; nullopt when the field is missing, of another type, or the structure is damaged.
std::optional<uint32_t> ReadTiffNumber(const ReadAt& read, uint64_t start, uint16_t tag);

}  // namespace platform
