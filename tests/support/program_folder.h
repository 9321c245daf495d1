// What a test works on: a fresh program folder with a copy of a built program in it, removed
// afterwards; files and pictures; and what the programs keep in the registry.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"  // ProgramFolder(): the built programs lie beside the test program
#include "platform/pictures.h"

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

// Creates the folder (and its parents) and writes a file, hidden if asked.
void WriteFile(const std::wstring& path, std::string_view bytes, bool hidden = false);
std::string ReadFile(const std::wstring& path);
bool Exists(const std::wstring& path);
// The names in a folder, sorted.
std::vector<std::wstring> FolderNames(const std::wstring& folder);
// The command line a copy of command_line_recorder.exe at `program` was started with.
std::wstring RecordedCommandLine(const std::wstring& program);

// "sky.gif": 40 x 30 in four quarters, red top left, green top right, white bottom left, blue
// bottom right. "photo.jpg": a 32 x 32 JPEG in four coloured quarters. (tests/data)
std::string TestPicture(const wchar_t* name);
// An uncompressed 24-bit Windows bitmap file, rows bottom-up, painted by `colourAt`.
std::string MakeBitmap(int width, int height, const std::function<COLORREF(int x, int y)>& colourAt);

// The colour of one pixel of a decoded picture.
COLORREF PixelOf(const platform::Picture& picture, int x, int y);

// A registry value removed; gone already is fine.
void RemoveRegistryValue(HKEY root, std::wstring_view key, std::wstring_view name);

// The changer's settings (dek::kSettingsKey); reset removes the program's whole key.
void ResetDekSettings();
void SetDekSetting(std::wstring_view key, std::wstring_view text);
std::optional<std::wstring> DekSetting(std::wstring_view key);

}  // namespace dektest
