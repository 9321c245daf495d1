#include "changer/collection/collection_names.h"

#include <algorithm>

#include "platform/picture_extensions.h"
#include "platform/picture_size.h"

namespace dek {
namespace {

std::wstring_view LastThree(std::wstring_view text) { return text.substr(text.size() < 3 ? 0 : text.size() - 3); }

// What failed, the file it failed on, and why.
std::wstring FailureMessage(std::wstring_view what, std::wstring_view path, std::wstring_view reason) {
    return std::wstring(what) + L"\r\n" + std::wstring(path) + L"\r\n\r\n" + std::wstring(reason);
}

}  // namespace

std::wstring CutAtNul(std::wstring_view text) {
    const size_t nul = text.find(L'\0');
    return std::wstring(nul == std::wstring_view::npos ? text : text.substr(0, nul));
}

std::wstring FileTitleOf(std::wstring_view path) {
    const std::wstring whole = CutAtNul(path);
    // A drive-relative path ("C:name") has its name after the colon.
    const size_t separator = whole.find_last_of(L"\\/:");
    return separator == std::wstring::npos ? whole : whole.substr(separator + 1);
}

bool IsBitmapName(std::wstring_view fileName) { return fileName.size() >= 3 && LastThree(fileName) == L"bmp"; }

std::wstring ConvertedBitmapName(std::wstring_view fileName) {
    const size_t dot = fileName.find_last_of(L'.');
    const bool longExtension = dot != std::wstring_view::npos && fileName.size() - dot - 1 > 3;
    std::wstring name(longExtension ? fileName.substr(0, dot + 1)
                                    : fileName.substr(0, fileName.size() - LastThree(fileName).size()));
    name += L"bmp";
    return name;
}

DropKind DropKindOf(std::wstring_view path, std::span<const std::wstring> pictureExtensions) {
    const std::wstring lastThree = platform::LowerAscii(LastThree(path));
    if (lastThree == L"scr") return DropKind::ScreenSaver;
    if (lastThree == L"jpg" || lastThree == L"bmp" || lastThree == L"gif") return DropKind::Wallpaper;
    const std::wstring extension = platform::LowerExtensionOf(FileTitleOf(path));
    const bool picture = !extension.empty() &&
                         std::find(pictureExtensions.begin(), pictureExtensions.end(), extension) != pictureExtensions.end();
    return picture ? DropKind::Wallpaper : DropKind::Ignored;
}

std::wstring ScreenSaverCommandLine(std::wstring_view saverDir, std::wstring_view fileName, std::wstring_view option) {
    return L"\"" + std::wstring(saverDir) + L"\\" + std::wstring(fileName) + L"\" " + std::wstring(option);
}

std::wstring CannotAddMessage(std::wstring_view path, std::wstring_view reason) {
    return FailureMessage(L"次のファイルを追加できませんでした。", path, reason);
}

std::wstring CannotStorePositionMessage(std::wstring_view recordPath, std::wstring_view reason) {
    return FailureMessage(L"壁紙の表示位置を保存できませんでした。", recordPath, reason);
}

std::wstring CannotDeleteMessage(std::wstring_view path, std::wstring_view reason) {
    return FailureMessage(L"次のファイルを削除できませんでした。", path, reason);
}

std::wstring CannotApplyMessage(std::wstring_view path, std::wstring_view reason) {
    return FailureMessage(L"次のファイルを設定できませんでした。", path, reason);
}

std::wstring NotABitmapReason() { return L"ビットマップ画像として読み込めません。"; }

std::wstring NotAPictureReason(std::span<const std::wstring> pictureExtensions) {
    return platform::PictureKindNames(pictureExtensions) + L" の画像として読み込めません。";
}

std::wstring TooLargeReason(uint32_t width, uint32_t height) {
    return L"画像が大きすぎます（" + std::to_wstring(width) + L" × " + std::to_wstring(height) +
           L" ピクセル）。壁紙にできるのは一辺 " + std::to_wstring(platform::kMaxPictureSide) + L" ピクセル、全体で " +
           std::to_wstring(platform::kMaxPicturePixels / 10000) + L" 万ピクセルまでです。";
}

}  // namespace dek
