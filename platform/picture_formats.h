// The picture decoders installed on this machine, as the imaging component (WIC) lists them, and
// which of the kinds the programs take they read.
#pragma once

#include <windows.h>
#include <wincodec.h>

#include <string>
#include <vector>

#include "platform/handles.h"

namespace platform {

// The imaging component's factory, with COM for the thread.
HRESULT CreateImagingFactory(ComPtr<IWICImagingFactory>& factory);

struct InstalledDecoder {
    GUID containerFormat;
    std::wstring extensions;  // as the decoder lists them, e.g. ".tiff,.tif"
};

// Every decoder installed; empty when they cannot be listed.
std::vector<InstalledDecoder> InstalledDecoders(IWICImagingFactory& factory);

// The extensions (lower case, without their dot) of the pictures this machine can read, of the
// kinds taken (platform::TakenPictureExtensions): formats such as WebP and HEIF appear once their
// decoders are installed. "bmp", "gif" and "jpg", which every Windows reads, when the decoders
// cannot be listed. Listed again at each call: a decoder may be installed while Dek runs.
std::vector<std::wstring> ReadablePictureExtensions();

// Whether the decoder of a file, which the imaging component chose by the file's content, reads a
// kind of picture the programs take.
bool IsTakenKind(IWICImagingFactory& factory, IWICBitmapDecoder& decoder);

}  // namespace platform
