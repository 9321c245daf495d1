#include "platform/pictures.h"

#include <wincodec.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "platform/files.h"
#include "platform/photo_orientation.h"
#include "platform/picture_formats.h"
#include "platform/pixel_rows.h"

namespace platform {
namespace {

std::string ReadAtOffset(HANDLE file, uint64_t offset, size_t count) {
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(offset);
    std::string bytes(count, '\0');
    DWORD got = 0;
    if (offset > INT64_MAX || !SetFilePointerEx(file, position, nullptr, FILE_BEGIN) ||
        !ReadFile(file, bytes.data(), static_cast<DWORD>(count), &got, nullptr)) {
        got = 0;
    }
    bytes.resize(got);
    return bytes;
}

struct Measured {
    HRESULT error = S_OK;
    PictureSize declared;
    bool byDecoder = false;  // of a kind without a header we read: measured by its decoder
    int orientation = 1;
};

// What the header declares, read without handing the file to a decoder: a decoder may set aside
// memory for the whole picture as soon as it has seen the header. Which way up a photo stands is
// read on the way.
Measured Measure(const std::wstring& path) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                0, nullptr));
    if (!file) return {HRESULT_FROM_WIN32(GetLastError())};
    if (GetFileType(file.get()) != FILE_TYPE_DISK) return {WINCODEC_ERR_UNKNOWNIMAGEFORMAT};
    const ReadAt read = [&](uint64_t offset, size_t count) { return ReadAtOffset(file.get(), offset, count); };
    if (!HasSizeInHeader(read(0, 8))) return {S_OK, {}, true};
    const std::optional<PictureSize> size = ReadPictureSize(read);
    if (!size) return {WINCODEC_ERR_UNKNOWNIMAGEFORMAT};
    if (!IsAcceptableSize(*size)) return {WINCODEC_ERR_IMAGESIZEOUTOFRANGE, *size};
    return {S_OK, *size, false, ReadPhotoOrientation(read)};
}

bool HasAlpha(IWICImagingFactory& factory, IWICBitmapFrameDecode& frame) {
    WICPixelFormatGUID format{};
    ComPtr<IWICComponentInfo> info;
    ComPtr<IWICPixelFormatInfo2> pixelInfo;
    BOOL transparency = FALSE;
    return SUCCEEDED(frame.GetPixelFormat(&format)) && SUCCEEDED(factory.CreateComponentInfo(format, info.put())) &&
           SUCCEEDED(info.As(pixelInfo)) && SUCCEEDED(pixelInfo->SupportsTransparency(&transparency)) && transparency;
}

Rgb DesktopColour() {
    const COLORREF colour = GetSysColor(COLOR_DESKTOP);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

}  // namespace

UniqueHBitmap Picture::CreateBitmap() const {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top-down, as the rows are held
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueHBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap && bits && !pixels_.empty()) memcpy(bits, pixels_.data(), pixels_.size());
    return bitmap;
}

PictureLoad LoadPicture(const std::wstring& path) {
    const Measured measured = Measure(path);
    if (FAILED(measured.error)) return {std::nullopt, measured.error, measured.declared};
    ComPtr<IWICImagingFactory> factory;
    HRESULT hr = CreateImagingFactory(factory);
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    if (SUCCEEDED(hr)) {
        hr = factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                decoder.put());
        // No decoder knows the content, or it is a kind not taken (an icon).
        if (hr == WINCODEC_ERR_COMPONENTNOTFOUND || (SUCCEEDED(hr) && !IsTakenKind(*factory.get(), *decoder.get()))) {
            hr = WINCODEC_ERR_UNKNOWNIMAGEFORMAT;
        }
    }
    if (SUCCEEDED(hr)) hr = decoder->GetFrame(0, frame.put());
    UINT width = 0, height = 0;
    if (SUCCEEDED(hr)) hr = frame->GetSize(&width, &height);
    // The frame itself may be larger than the header said; without a header we read, its size is
    // the only one there is.
    if (SUCCEEDED(hr) && !IsAcceptableSize({width, height})) {
        return {std::nullopt, WINCODEC_ERR_IMAGESIZEOUTOFRANGE, {width, height}};
    }
    const PictureSize declared = measured.byDecoder ? PictureSize{width, height} : measured.declared;
    if (FAILED(hr)) return {std::nullopt, hr, declared};

    PixelRows rows{width, height, {}};
    std::vector<uint8_t> wide;
    try {
        rows.bytes.resize(BitmapStride(width) * height);
        // Straight into the bitmap's own layout where the imaging converts to it (a photograph);
        // otherwise (a palette picture, or one with transparency) through 32 bits per pixel.
        auto copyAs = [&](REFWICPixelFormatGUID format, size_t rowBytes, std::vector<uint8_t>& into) {
            ComPtr<IWICFormatConverter> converter;
            HRESULT result = factory->CreateFormatConverter(converter.put());
            if (SUCCEEDED(result)) {
                result = converter->Initialize(frame.get(), format, WICBitmapDitherTypeNone, nullptr, 0,
                                               WICBitmapPaletteTypeCustom);
            }
            if (SUCCEEDED(result)) {
                result = converter->CopyPixels(nullptr, static_cast<UINT>(rowBytes), static_cast<UINT>(into.size()),
                                               into.data());
            }
            return result;
        };
        // A GIF's transparent colour is left as its palette has it, as it always was.
        GUID container{};
        const bool laidOver =
            HasAlpha(*factory.get(), *frame.get()) && SUCCEEDED(decoder->GetContainerFormat(&container)) &&
            container != GUID_ContainerFormatGif;
        hr = laidOver ? E_FAIL : copyAs(GUID_WICPixelFormat24bppBGR, BitmapStride(width), rows.bytes);
        if (FAILED(hr)) {
            const size_t wideStride = static_cast<size_t>(width) * 4;
            wide.resize(wideStride * height);
            hr = copyAs(GUID_WICPixelFormat32bppBGRA, wideStride, wide);
            if (FAILED(hr)) return {std::nullopt, hr, declared};
            if (laidOver) {
                LayOver(wide, DesktopColour(), rows);
            } else {
                const size_t stride = BitmapStride(width);
                for (size_t y = 0; y < height; ++y) {
                    for (size_t x = 0; x < width; ++x) {
                        std::memcpy(&rows.bytes[y * stride + x * 3], &wide[y * wideStride + x * 4], 3);
                    }
                }
            }
            std::vector<uint8_t>().swap(wide);
        }
        if (measured.orientation != 1) rows = Upright(rows, measured.orientation);
    } catch (const std::bad_alloc&) {
        return {std::nullopt, E_OUTOFMEMORY, declared};
    }
    return {Picture(static_cast<int>(rows.width), static_cast<int>(rows.height), std::move(rows.bytes)), S_OK, declared};
}

DWORD CheckBitmapFile(const std::wstring& path) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return GetLastError();
    const std::string head = ReadAtOffset(file.get(), 0, 26);
    const std::optional<PictureSize> size =
        ReadPictureSize([&](uint64_t offset, size_t count) { return ReadAtOffset(file.get(), offset, count); });
    return head.starts_with("BM") && size && IsAcceptableSize(*size) ? ERROR_SUCCESS : ERROR_BAD_FORMAT;
}

MappedBitmap::MappedBitmap(const std::wstring& path) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size = {};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart < 54) return;
    const UniqueKernelHandle mapping(CreateFileMappingW(file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (!mapping) return;
    UniqueMappedView view(MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0));
    if (!view) return;
    const auto* bytes = static_cast<const uint8_t*>(view.get());
    BITMAPFILEHEADER header = {};
    BITMAPINFOHEADER info = {};
    std::memcpy(&header, bytes, sizeof header);
    std::memcpy(&info, bytes + sizeof header, sizeof info);
    const int64_t height = info.biHeight < 0 ? -static_cast<int64_t>(info.biHeight) : info.biHeight;
    const size_t stride = Picture::Stride(info.biWidth);
    const bool plain = header.bfType == 0x4D42 && info.biSize >= sizeof info && info.biPlanes == 1 && info.biBitCount == 24 &&
                       info.biCompression == BI_RGB && info.biWidth > 0 &&
                       IsAcceptableSize({static_cast<uint32_t>(info.biWidth), static_cast<uint32_t>(height)});
    if (!plain || static_cast<uint64_t>(size.QuadPart) < header.bfOffBits + stride * static_cast<uint64_t>(height)) return;
    const uint8_t* rows = bytes + header.bfOffBits;
    // Bottom-up unless the height says otherwise: the top row is the last in the file.
    view_ = info.biHeight > 0 ? PictureView{info.biWidth, static_cast<int>(height), -static_cast<std::ptrdiff_t>(stride),
                                            rows + (height - 1) * static_cast<int64_t>(stride)}
                              : PictureView{info.biWidth, static_cast<int>(height), static_cast<std::ptrdiff_t>(stride), rows};
    mapping_ = std::move(view);
}

DWORD SaveBitmap(const Picture& picture, const std::wstring& path) {
    const size_t stride = Picture::Stride(picture.Width());
    const auto imageBytes = static_cast<DWORD>(stride * picture.Height());
    constexpr DWORD kHeaders = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    BITMAPFILEHEADER file = {0x4D42, kHeaders + imageBytes, 0, 0, kHeaders};
    BITMAPINFOHEADER info = {sizeof info, picture.Width(), picture.Height(), 1, 24, BI_RGB, imageBytes, 0, 0, 0, 0};
    ReplacingWriter writer(path);
    writer.Write(&file, sizeof file);
    writer.Write(&info, sizeof info);
    // The rows go bottom-up, gathered into large writes.
    std::vector<uint8_t> batch;
    batch.reserve(std::max<size_t>(stride, 1 << 20));
    for (int y = picture.Height() - 1; y >= 0; --y) {
        const uint8_t* row = picture.Pixels().data() + static_cast<size_t>(y) * stride;
        batch.insert(batch.end(), row, row + stride);
        if (batch.size() + stride > batch.capacity() || y == 0) {
            if (!writer.Write(batch.data(), batch.size())) break;
            batch.clear();
        }
    }
    return writer.Commit();
}

}  // namespace platform
