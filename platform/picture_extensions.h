// The kinds of picture the programs take, by the file extensions their decoders list, and the
// texts made of them. No windows.h: tested natively.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Of the extensions the decoders list (each decoder's list as it gives it: ".tiff,.tif" or
// ".jpg;.jpeg", any case), those of the kinds taken: lower case, without their dot, each once, in
// the programs' own order (bmp, gif, jpg first, as they always were). Icons, DirectDraw surfaces,
// Targa and camera raw files are not taken: none of them makes a wallpaper.
std::vector<std::wstring> TakenPictureExtensions(std::span<const std::wstring> decoderExtensions);

// The open-file dialog's pattern: "*.bmp;*.gif;*.jpg;*.jpeg;...".
std::wstring PictureFilterPattern(std::span<const std::wstring> extensions);

// The names of the kinds those extensions belong to, for telling the user: "BMP、GIF、JPEG".
std::wstring PictureKindNames(std::span<const std::wstring> extensions);

// The file's extension, lower case, without its dot; "" when its name has no dot.
std::wstring LowerExtensionOf(std::wstring_view fileName);
// Only ASCII letters lowered: every extension compared against is plain ASCII.
std::wstring LowerAscii(std::wstring_view text);

}  // namespace platform
