#include "tests/support/program_folder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "changer/core/settings_registry.h"
#include "platform/registry.h"

namespace dektest {

namespace fs = std::filesystem;

ProgramFolder::ProgramFolder(std::wstring_view name, std::wstring_view program) : program_(program) {
    static int counter = 0;
    path_ = platform::TempFolder() + L"dek-tests\\" + std::wstring(name) + L"-" +
            std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
    std::error_code ignored;
    fs::remove_all(path_, ignored);
    fs::create_directories(path_);
    if (!program_.empty()) fs::copy_file(platform::ProgramFolder() + L"\\" + program_, path_ + L"\\" + program_);
}

ProgramFolder::~ProgramFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void WriteFile(const std::wstring& path, std::string_view bytes, bool hidden) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(fs::path(path), std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (hidden) SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
}

std::string ReadFile(const std::wstring& path) {
    std::ifstream in(fs::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Exists(const std::wstring& path) { return platform::LookUpEntry(path) != platform::EntryKind::Missing; }

std::vector<std::wstring> FolderNames(const std::wstring& folder) {
    std::vector<std::wstring> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().wstring());
    std::sort(names.begin(), names.end());
    return names;
}

std::wstring RecordedCommandLine(const std::wstring& program) {
    const std::string bytes = ReadFile(program + L".cmdline");
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

std::string TestPicture(const wchar_t* name) { return ReadFile(platform::ProgramFolder() + L"\\test-data\\" + name); }

std::string MakeBitmap(int width, int height, const std::function<COLORREF(int x, int y)>& colourAt) {
    const DWORD stride = (width * 3 + 3) & ~3, header = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    const BITMAPFILEHEADER file = {0x4d42, header + stride * height, 0, 0, header};
    const BITMAPINFOHEADER info = {sizeof info, width, height, 1, 24, BI_RGB, stride * height, 2835, 2835, 0, 0};
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = height - 1; y >= 0; --y) {  // bottom-up
        const size_t rowStart = bytes.size();
        for (int x = 0; x < width; ++x) {
            const COLORREF c = colourAt(x, y);
            bytes += {static_cast<char>(GetBValue(c)), static_cast<char>(GetGValue(c)), static_cast<char>(GetRValue(c))};
        }
        bytes.resize(rowStart + stride, '\0');
    }
    return bytes;
}

COLORREF PixelOf(const platform::Picture& picture, int x, int y) {
    const uint8_t* p = picture.Pixels().data() + static_cast<size_t>(y) * platform::Picture::Stride(picture.Width()) +
                       static_cast<size_t>(x) * 3;
    return RGB(p[2], p[1], p[0]);
}

void RemoveRegistryValue(HKEY root, std::wstring_view key, std::wstring_view name) {
    RegDeleteKeyValueW(root, std::wstring(key).c_str(), std::wstring(name).c_str());
}

// RegDeleteTree empties the key; the key itself goes with RegDeleteKey.
void ResetDekSettings() {
    constexpr wchar_t kDekKey[] = L"Software\\VB and VBA Program Settings\\DEK";
    RegDeleteTreeW(HKEY_CURRENT_USER, kDekKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, kDekKey);
}

void SetDekSetting(std::wstring_view key, std::wstring_view text) {
    platform::SetRegString(HKEY_CURRENT_USER, dek::kSettingsKey, key, text);
}

std::optional<std::wstring> DekSetting(std::wstring_view key) {
    return platform::ReadRegString(HKEY_CURRENT_USER, dek::kSettingsKey, key);
}

}  // namespace dektest
