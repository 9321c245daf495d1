#include "platform/pictures.h"

#include <wincodec.h>

#include <new>

namespace platform {
namespace {

// Larger pictures are refused rather than risking an allocation failure in a window procedure.
constexpr uint64_t kMaxPixelBytes = 512ull * 1024 * 1024;

ComPtr<IWICImagingFactory> CreateFactory(HRESULT& hr) {
    ComPtr<IWICImagingFactory> factory;
    hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IWICImagingFactory),
                          factory.put_void());
    return factory;
}

// Writes bytes to a file, replacing it; a file this call truncated but could not fill is removed.
HRESULT WriteWholeFile(const std::wstring& path, const void* bytes, DWORD size) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return HRESULT_FROM_WIN32(GetLastError());
    DWORD written = 0;
    HRESULT hr = S_OK;
    if (!WriteFile(file.get(), bytes, size, &written, nullptr)) {
        hr = HRESULT_FROM_WIN32(GetLastError());
    } else if (written != size) {
        hr = HRESULT_FROM_WIN32(ERROR_WRITE_FAULT);
    }
    if (SUCCEEDED(hr)) return S_OK;
    file.reset();
    DeleteFileW(path.c_str());
    return hr;
}

}  // namespace

COLORREF Picture::PixelAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return RGB(0, 0, 0);
    const uint8_t* p = pixels_.data() + static_cast<size_t>(y) * Stride(width_) + static_cast<size_t>(x) * 3;
    return RGB(p[2], p[1], p[0]);
}

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
    ComApartment com;  // the caller's apartment when it has one; this call's own otherwise
    HRESULT hr = S_OK;
    ComPtr<IWICImagingFactory> factory = CreateFactory(hr);
    if (FAILED(hr)) return {std::nullopt, hr};
    ComPtr<IWICBitmapDecoder> decoder;
    hr = factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                            decoder.put());
    if (FAILED(hr)) return {std::nullopt, hr};
    ComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(hr = decoder->GetFrame(0, frame.put()))) return {std::nullopt, hr};
    // Every decoder's output converts to 32 bits per pixel; the fourth byte is then left out.
    ComPtr<IWICBitmapSource> bgra;
    if (FAILED(hr = WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame.get(), bgra.put()))) {
        return {std::nullopt, hr};
    }
    UINT width = 0, height = 0;
    if (FAILED(hr = bgra->GetSize(&width, &height))) return {std::nullopt, hr};
    if (width == 0 || height == 0 || width > INT32_MAX / 4 || height > INT32_MAX / 4) {
        return {std::nullopt, WINCODEC_ERR_BADIMAGE};
    }
    const size_t stride = Picture::Stride(static_cast<int>(width));
    const uint64_t size = static_cast<uint64_t>(stride) * height;
    if (size > kMaxPixelBytes) return {std::nullopt, E_OUTOFMEMORY};
    std::vector<uint8_t> pixels;
    std::vector<uint8_t> row;
    try {
        pixels.resize(static_cast<size_t>(size));
        row.resize(static_cast<size_t>(width) * 4);
    } catch (const std::bad_alloc&) {
        return {std::nullopt, E_OUTOFMEMORY};
    }
    for (UINT y = 0; y < height; ++y) {
        const WICRect line = {0, static_cast<INT>(y), static_cast<INT>(width), 1};
        hr = bgra->CopyPixels(&line, static_cast<UINT>(row.size()), static_cast<UINT>(row.size()), row.data());
        if (FAILED(hr)) return {std::nullopt, hr};
        uint8_t* out = pixels.data() + static_cast<size_t>(y) * stride;
        for (UINT x = 0; x < width; ++x) {
            out[x * 3 + 0] = row[x * 4 + 0];
            out[x * 3 + 1] = row[x * 4 + 1];
            out[x * 3 + 2] = row[x * 4 + 2];
        }
    }
    return {Picture(static_cast<int>(width), static_cast<int>(height), std::move(pixels)), S_OK};
}

HRESULT SaveBitmap(const Picture& picture, const std::wstring& path) {
    ComApartment com;
    HRESULT hr = S_OK;
    ComPtr<IWICImagingFactory> factory = CreateFactory(hr);
    if (FAILED(hr)) return hr;
    // Encoded in memory first, so that a failing encoder never touches the file.
    ComPtr<IStream> memory;
    if (FAILED(hr = CreateStreamOnHGlobal(nullptr, TRUE, memory.put()))) return hr;
    ComPtr<IWICBitmapEncoder> encoder;
    if (FAILED(hr = factory->CreateEncoder(GUID_ContainerFormatBmp, nullptr, encoder.put()))) return hr;
    if (FAILED(hr = encoder->Initialize(memory.get(), WICBitmapEncoderNoCache))) return hr;
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> options;
    if (FAILED(hr = encoder->CreateNewFrame(frame.put(), options.put()))) return hr;
    if (FAILED(hr = frame->Initialize(options.get()))) return hr;
    if (FAILED(hr = frame->SetSize(static_cast<UINT>(picture.Width()), static_cast<UINT>(picture.Height())))) return hr;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (FAILED(hr = frame->SetPixelFormat(&format))) return hr;
    // The encoder names the format it will really write; only 24 bits per pixel is wanted.
    if (!IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) return WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
    const std::vector<uint8_t>& pixels = picture.Pixels();
    hr = frame->WritePixels(static_cast<UINT>(picture.Height()), static_cast<UINT>(Picture::Stride(picture.Width())),
                            static_cast<UINT>(pixels.size()), const_cast<BYTE*>(pixels.data()));
    if (FAILED(hr)) return hr;
    if (FAILED(hr = frame->Commit())) return hr;
    if (FAILED(hr = encoder->Commit())) return hr;

    HGLOBAL global = nullptr;
    if (FAILED(hr = GetHGlobalFromStream(memory.get(), &global))) return hr;
    STATSTG stat = {};
    if (FAILED(hr = memory->Stat(&stat, STATFLAG_NONAME))) return hr;
    if (stat.cbSize.QuadPart > MAXDWORD) return E_OUTOFMEMORY;
    const void* bytes = GlobalLock(global);
    if (!bytes) return HRESULT_FROM_WIN32(GetLastError());
    hr = WriteWholeFile(path, bytes, static_cast<DWORD>(stat.cbSize.QuadPart));
    GlobalUnlock(global);
    return hr;
}

}  // namespace platform
