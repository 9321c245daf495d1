// The floor of adding a JPEG: decodes the picture named on the command line with WIC straight to
// 24-bit BGR in one CopyPixels and writes it to floor.bmp in the current folder as a bottom-up
// Windows bitmap. Prints the microseconds from its start to the file written. No C runtime.
#include <windows.h>
#include <wincodec.h>

#include "platform/handles.h"

namespace {

using platform::ComPtr;

// The one argument: the command line after the program name, without quotes.
void ArgumentOf(const wchar_t* line, wchar_t (&argument)[MAX_PATH * 2]) {
    bool quoted = false;
    for (; *line && (quoted || *line != L' '); ++line) quoted ^= *line == L'"';
    while (*line == L' ') ++line;
    int n = 0;
    for (; *line && n < MAX_PATH * 2 - 1; ++line) {
        if (*line != L'"') argument[n++] = *line;
    }
    argument[n] = L'\0';
}

HRESULT WriteBitmap(const wchar_t* path, UINT width, UINT height, UINT stride, const BYTE* pixels) {
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {sizeof info};
    file.bfType = 0x4d42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + stride * height;
    info.biWidth = static_cast<LONG>(width);
    info.biHeight = static_cast<LONG>(height);  // bottom-up: the last row first
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = stride * height;
    platform::UniqueFile out(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    if (!out || !WriteFile(out.get(), &file, sizeof file, &written, nullptr) ||
        !WriteFile(out.get(), &info, sizeof info, &written, nullptr)) {
        return E_FAIL;
    }
    for (UINT y = height; y-- > 0;) {
        if (!WriteFile(out.get(), pixels + static_cast<size_t>(y) * stride, stride, &written, nullptr)) return E_FAIL;
    }
    return S_OK;
}

HRESULT Convert(const wchar_t* source, const wchar_t* target) {
    ComPtr<IWICImagingFactory> factory;
    HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  __uuidof(IWICImagingFactory), factory.put_void());
    if (FAILED(hr)) return hr;
    ComPtr<IWICBitmapDecoder> decoder;
    hr = factory->CreateDecoderFromFilename(source, nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                            decoder.put());
    if (FAILED(hr)) return hr;
    ComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(hr = decoder->GetFrame(0, frame.put()))) return hr;
    ComPtr<IWICBitmapSource> bgr;
    if (FAILED(hr = WICConvertBitmapSource(GUID_WICPixelFormat24bppBGR, frame.get(), bgr.put()))) return hr;
    UINT width = 0, height = 0;
    if (FAILED(hr = bgr->GetSize(&width, &height))) return hr;
    const UINT stride = (width * 3 + 3) & ~3u;
    const UINT size = stride * height;
    auto* pixels = static_cast<BYTE*>(HeapAlloc(GetProcessHeap(), 0, size));
    if (!pixels) return E_OUTOFMEMORY;
    hr = bgr->CopyPixels(nullptr, stride, size, pixels);
    if (SUCCEEDED(hr)) hr = WriteBitmap(target, width, height, stride, pixels);
    HeapFree(GetProcessHeap(), 0, pixels);
    return hr;
}

double Milliseconds() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void PrintNumber(unsigned long long value) {
    char text[24];
    int start = sizeof text;
    text[--start] = '\n';
    do text[--start] = static_cast<char>('0' + value % 10);
    while ((value /= 10) != 0);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text + start, sizeof text - start, &written, nullptr);
}

}  // namespace

extern "C" void FloorMain() {
    const double begin = Milliseconds();
    wchar_t source[MAX_PATH * 2];
    ArgumentOf(GetCommandLineW(), source);
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) ExitProcess(1);
    const HRESULT hr = Convert(source, L"floor.bmp");
    if (FAILED(hr)) ExitProcess(1);
    PrintNumber(static_cast<unsigned long long>((Milliseconds() - begin) * 1000.0));
    ExitProcess(0);
}
