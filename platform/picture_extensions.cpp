#include "platform/picture_extensions.h"

#include <algorithm>
#include <array>

namespace platform {
namespace {

struct PictureKind {
    std::wstring_view name;
    std::array<std::wstring_view, 4> extensions;  // the unused ones empty
};

// Image sequences (".heics", ".avifs") are left out: a wallpaper is one picture.
constexpr PictureKind kKinds[] = {
    {L"BMP", {L"bmp"}},
    {L"GIF", {L"gif"}},
    {L"JPEG", {L"jpg", L"jpeg", L"jpe", L"jfif"}},
    {L"PNG", {L"png"}},
    {L"TIFF", {L"tif", L"tiff"}},
    {L"JPEG XR", {L"jxr", L"wdp", L"hdp"}},
    {L"WebP", {L"webp"}},
    {L"HEIF", {L"heic", L"heif", L"hif"}},
    {L"AVIF", {L"avif"}},
};

bool Contains(std::span<const std::wstring> list, std::wstring_view item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

std::wstring LowerAscii(std::wstring_view text) {
    std::wstring lower(text);
    for (wchar_t& c : lower) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return lower;
}

std::vector<std::wstring> TakenPictureExtensions(std::span<const std::wstring> decoderExtensions) {
    std::vector<std::wstring> listed;
    for (const std::wstring& list : decoderExtensions) {
        const std::wstring lower = LowerAscii(list);
        for (size_t start = 0; start <= lower.size();) {
            const size_t end = std::min(lower.find_first_of(L",;", start), lower.size());
            std::wstring_view item = std::wstring_view(lower).substr(start, end - start);
            while (!item.empty() && (item.front() == L' ' || item.front() == L'.')) item.remove_prefix(1);
            while (!item.empty() && item.back() == L' ') item.remove_suffix(1);
            listed.emplace_back(item);
            start = end + 1;
        }
    }
    std::vector<std::wstring> taken;
    for (const PictureKind& kind : kKinds) {
        for (std::wstring_view extension : kind.extensions) {
            if (!extension.empty() && Contains(listed, extension)) taken.emplace_back(extension);
        }
    }
    return taken;
}

std::wstring PictureFilterPattern(std::span<const std::wstring> extensions) {
    std::wstring pattern;
    for (const std::wstring& extension : extensions) pattern += (pattern.empty() ? L"*." : L";*.") + extension;
    return pattern;
}

std::wstring PictureKindNames(std::span<const std::wstring> extensions) {
    std::wstring names;
    for (const PictureKind& kind : kKinds) {
        const bool read = std::any_of(kind.extensions.begin(), kind.extensions.end(), [&](std::wstring_view extension) {
            return !extension.empty() && Contains(extensions, extension);
        });
        if (read) names += (names.empty() ? L"" : L"、") + std::wstring(kind.name);
    }
    return names;
}

std::wstring LowerExtensionOf(std::wstring_view fileName) {
    const size_t dot = fileName.find_last_of(L'.');
    return dot == std::wstring_view::npos ? std::wstring() : LowerAscii(fileName.substr(dot + 1));
}

}  // namespace platform
