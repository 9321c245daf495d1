#include "platform/pictures.h"

#include <wincodec.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "platform/com.h"
#include "platform/files.h"

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

// What the header declares, read without handing the file to a decoder: a decoder may set aside
// memory for the whole picture as soon as it has seen the header.
PictureLoad Measure(const std::wstring& path) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                0, nullptr));
    if (!file) return {std::nullopt, HRESULT_FROM_WIN32(GetLastError())};
    if (GetFileType(file.get()) != FILE_TYPE_DISK) return {std::nullopt, WINCODEC_ERR_UNKNOWNIMAGEFORMAT};
    const std::optional<PictureSize> size =
        ReadPictureSize([&](uint64_t offset, size_t count) { return ReadAtOffset(file.get(), offset, count); });
    if (!size) return {std::nullopt, WINCODEC_ERR_UNKNOWNIMAGEFORMAT};
    if (!IsAcceptableSize(*size)) return {std::nullopt, WINCODEC_ERR_IMAGESIZEOUTOFRANGE, *size};
    return {std::nullopt, S_OK, *size};
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
    PictureLoad load = Measure(path);
    if (FAILED(load.error)) return load;
    HRESULT hr = UseCom();
    ComPtr<IWICImagingFactory> factory;
    if (SUCCEEDED(hr)) {
        hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IWICImagingFactory),
                              factory.put_void());
    }
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    if (SUCCEEDED(hr)) {
        hr = factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                decoder.put());
    }
    if (SUCCEEDED(hr)) hr = decoder->GetFrame(0, frame.put());
    UINT width = 0, height = 0;
    if (SUCCEEDED(hr)) hr = frame->GetSize(&width, &height);
    // The frame itself may be larger than the header said.
    if (SUCCEEDED(hr) && !IsAcceptableSize({width, height})) {
        return {std::nullopt, WINCODEC_ERR_IMAGESIZEOUTOFRANGE, {width, height}};
    }
    if (FAILED(hr)) return {std::nullopt, hr, load.declared};

    const size_t stride = Picture::Stride(static_cast<int>(width));
    std::vector<uint8_t> pixels;
    try {
        pixels.resize(stride * height);
    } catch (const std::bad_alloc&) {
        return {std::nullopt, E_OUTOFMEMORY, load.declared};
    }
    // Straight into the bitmap's own layout where the imaging converts to it (a photograph);
    // otherwise (a palette picture) through 32 bits per pixel, the fourth byte then left out.
    auto copyAs = [&](REFWICPixelFormatGUID format, size_t rowBytes, std::vector<uint8_t>& into) {
        ComPtr<IWICFormatConverter> converter;
        HRESULT result = factory->CreateFormatConverter(converter.put());
        if (SUCCEEDED(result)) {
            result = converter->Initialize(frame.get(), format, WICBitmapDitherTypeNone, nullptr, 0,
                                           WICBitmapPaletteTypeCustom);
        }
        if (SUCCEEDED(result)) {
            result = converter->CopyPixels(nullptr, static_cast<UINT>(rowBytes), static_cast<UINT>(into.size()), into.data());
        }
        return result;
    };
    hr = copyAs(GUID_WICPixelFormat24bppBGR, stride, pixels);
    if (FAILED(hr)) {
        const size_t wideStride = static_cast<size_t>(width) * 4;
        std::vector<uint8_t> wide;
        try {
            wide.resize(wideStride * height);
        } catch (const std::bad_alloc&) {
            return {std::nullopt, E_OUTOFMEMORY, load.declared};
        }
        hr = copyAs(GUID_WICPixelFormat32bppBGRA, wideStride, wide);
        if (FAILED(hr)) return {std::nullopt, hr, load.declared};
        for (size_t y = 0; y < height; ++y) {
            for (size_t x = 0; x < width; ++x) std::memcpy(&pixels[y * stride + x * 3], &wide[y * wideStride + x * 4], 3);
        }
    }
    return {Picture(static_cast<int>(width), static_cast<int>(height), std::move(pixels)), S_OK, load.declared};
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
