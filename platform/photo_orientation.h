// Which way up a photo was taken: the Exif orientation a camera writes instead of turning the
// pixels, read from the file's bytes. No windows.h: tested natively and fuzzed.
#pragma once

#include "platform/picture_size.h"

namespace platform {

// The Exif orientation (tag 0x0112) of a JPEG's "Exif" segment or of a TIFF's first directory,
// 1 to 8 as Exif numbers them: the picture as stored is shown
//   1 as it is,                 2 mirrored left to right,   3 turned half round,
//   4 mirrored top to bottom,   5 mirrored along its diagonal from the top left,
//   6 turned a quarter clockwise, 7 mirrored along its other diagonal,
//   8 turned a quarter anticlockwise.
// 1 for any other file, a photo without one, and a value out of range or damaged.
int ReadPhotoOrientation(const ReadAt& read);

}  // namespace platform
