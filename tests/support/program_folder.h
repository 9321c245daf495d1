// A fresh program folder per test, with a copy of a built program in it, removed afterwards;
// and resetting what the programs keep in the registry.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dektest {

class ProgramFolder {
public:
    // `name` becomes part of the folder's path (tests pass their own name; blanks allowed); an
    // empty `program` leaves the folder empty.
    explicit ProgramFolder(std::wstring_view name, std::wstring_view program = L"Dek.exe");
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    ~ProgramFolder();

    const std::wstring& Path() const { return path_; }
    std::wstring Exe() const { return path_ + L"\\" + program_; }
    std::wstring Wall() const { return path_ + L"\\Wall"; }
    std::wstring Saver() const { return path_ + L"\\Saver"; }
    std::wstring Dat() const { return path_ + L"\\dat"; }
    std::wstring operator/(std::wstring_view relative) const { return path_ + L"\\" + std::wstring(relative); }

private:
    std::wstring path_;
    std::wstring program_;
};

// Creates the folder (and its parents) and writes a file.
void WriteFile(const std::wstring& path, std::string_view bytes);
std::string ReadFile(const std::wstring& path);
bool Exists(const std::wstring& path);

// The changer's settings key: HKEY_CURRENT_USER\Software\VB and VBA Program Settings\DEK\setting.
inline constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\DEK\\setting";
void ResetDekSettings();
void SetDekSetting(std::wstring_view key, std::wstring_view text);
std::optional<std::wstring> DekSetting(std::wstring_view key);

}  // namespace dektest
