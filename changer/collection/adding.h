// Bringing one file into a collection folder: a bitmap or a screen saver is copied, any other
// picture converted to a bitmap; when that cannot be done, why, in the user's words.
#pragma once

#include <optional>
#include <string>

#include "platform/pictures.h"

namespace dek {

struct Brought {
    std::wstring problem;                       // empty when the file is in place
    std::optional<platform::Picture> picture;  // a converted picture, decoded
};

// Copies `source` over `target`. A file of the collection added again is already in place.
Brought CopyIntoCollection(const std::wstring& source, const std::wstring& target);

// Decodes the picture at `source` (refused unmeasured or too large before any pixel is decoded)
// and writes it to `target` as a 24-bit Windows bitmap.
Brought ConvertIntoCollection(const std::wstring& source, const std::wstring& target);

}  // namespace dek
