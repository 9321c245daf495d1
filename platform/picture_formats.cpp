#include "platform/picture_formats.h"

#include "platform/com.h"
#include "platform/picture_extensions.h"

namespace platform {
namespace {

std::vector<std::wstring> ExtensionsOf(const std::vector<InstalledDecoder>& decoders) {
    std::vector<std::wstring> lists;
    for (const InstalledDecoder& decoder : decoders) lists.push_back(decoder.extensions);
    return lists;
}

}  // namespace

HRESULT CreateImagingFactory(ComPtr<IWICImagingFactory>& factory) {
    HRESULT hr = UseCom();
    if (SUCCEEDED(hr)) {
        hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IWICImagingFactory),
                              factory.put_void());
    }
    return hr;
}

std::vector<InstalledDecoder> InstalledDecoders(IWICImagingFactory& factory) {
    std::vector<InstalledDecoder> decoders;
    ComPtr<IEnumUnknown> components;
    if (FAILED(factory.CreateComponentEnumerator(WICDecoder, WICComponentEnumerateDefault, components.put()))) {
        return decoders;
    }
    for (;;) {
        ComPtr<IUnknown> component;
        ULONG fetched = 0;
        if (components->Next(1, component.put(), &fetched) != S_OK || fetched != 1) break;
        ComPtr<IWICBitmapCodecInfo> info;
        InstalledDecoder decoder{};
        UINT length = 0;
        if (FAILED(component.As(info)) || FAILED(info->GetContainerFormat(&decoder.containerFormat)) ||
            FAILED(info->GetFileExtensions(0, nullptr, &length)) || length == 0) {
            continue;
        }
        decoder.extensions.resize(length);
        if (FAILED(info->GetFileExtensions(length, decoder.extensions.data(), &length))) continue;
        decoder.extensions.resize(wcsnlen(decoder.extensions.c_str(), decoder.extensions.size()));
        decoders.push_back(std::move(decoder));
    }
    return decoders;
}

std::vector<std::wstring> ReadablePictureExtensions() {
    ComPtr<IWICImagingFactory> factory;
    std::vector<std::wstring> readable;
    if (SUCCEEDED(CreateImagingFactory(factory))) {
        readable = TakenPictureExtensions(ExtensionsOf(InstalledDecoders(*factory.get())));
    }
    if (readable.empty()) readable = {L"bmp", L"gif", L"jpg"};
    return readable;
}

// By the decoder's container format: of the same kind are the decoders installed for it, whose
// extensions say what it is (a decoder need not describe itself, but must name its format).
bool IsTakenKind(IWICImagingFactory& factory, IWICBitmapDecoder& decoder) {
    GUID format{};
    if (FAILED(decoder.GetContainerFormat(&format))) return false;
    std::vector<InstalledDecoder> same = InstalledDecoders(factory);
    std::erase_if(same, [&](const InstalledDecoder& installed) { return installed.containerFormat != format; });
    return !TakenPictureExtensions(ExtensionsOf(same)).empty();
}

}  // namespace platform
