#include "tests/support/program_folder.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/files.h"
#include "platform/registry.h"
#include "tests/support/driver.h"

namespace dektest {

namespace fs = std::filesystem;

ProgramFolder::ProgramFolder(std::wstring_view name, std::wstring_view program) : program_(program) {
    static int counter = 0;
    path_ = platform::TempFolder() + L"dek-tests\\" + std::wstring(name) + L"-" +
            std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
    std::error_code ignored;
    fs::remove_all(path_, ignored);
    fs::create_directories(path_);
    if (!program_.empty()) fs::copy_file(BinFolder() + L"\\" + program_, path_ + L"\\" + program_);
}

ProgramFolder::~ProgramFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void WriteFile(const std::wstring& path, std::string_view bytes) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream out(fs::path(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFile(const std::wstring& path) {
    std::ifstream in(fs::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Exists(const std::wstring& path) { return platform::LookUpEntry(path) != platform::EntryKind::Missing; }

void ResetDekSettings() { platform::DeleteRegTree(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\DEK"); }

void SetDekSetting(std::wstring_view key, std::wstring_view text) {
    platform::SetRegString(HKEY_CURRENT_USER, kSettingsKey, key, text);
}

std::optional<std::wstring> DekSetting(std::wstring_view key) {
    return platform::ReadRegString(HKEY_CURRENT_USER, kSettingsKey, key);
}

}  // namespace dektest
