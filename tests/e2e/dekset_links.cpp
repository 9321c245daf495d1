#include "tests/e2e/dekset_links.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/registry.h"

namespace dektest {
namespace {

constexpr wchar_t kUserShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
constexpr wchar_t kShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string Encode(const std::wstring& text, UINT codePage = CP_UTF8) {
    std::string out(text.size() * 4, '\0');
    out.resize(static_cast<size_t>(WideCharToMultiByte(codePage, 0, text.c_str(), static_cast<int>(text.size()),
                                                       out.data(), static_cast<int>(out.size()), nullptr, nullptr)));
    return out;
}
std::string Utf8(const std::wstring& text) { return Encode(text); }

// A link's local path is kept in the ANSI code page (932): what lnkinfo decodes from it.
std::wstring ThroughCodePage932(const std::wstring& text) {
    const std::string ansi = Encode(text, 932);
    std::wstring back(ansi.size(), L'\0');
    back.resize(static_cast<size_t>(MultiByteToWideChar(932, 0, ansi.data(), static_cast<int>(ansi.size()), back.data(),
                                                        static_cast<int>(back.size()))));
    return back;
}

void WriteValue(const wchar_t* key, const std::wstring& name, const std::optional<std::wstring>& value, DWORD type) {
    if (!value) {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, key, name.c_str());
    } else {
        RegSetKeyValueW(HKEY_CURRENT_USER, key, name.c_str(), type, value->c_str(),
                        static_cast<DWORD>((value->size() + 1) * sizeof(wchar_t)));
    }
}

// Copies the file and the lines lnkinfo must print for it ("name=value", or "!name" for a field
// it must not print) into the wrapper's folder; false when that failed.
bool HandToLnkinfo(const std::wstring& path, const LinkFields& expected) {
    const DWORD size = GetEnvironmentVariableW(L"DEK_LNK_EVIDENCE", nullptr, 0);
    if (size == 0) return true;
    std::wstring folder(size, L'\0');
    folder.resize(GetEnvironmentVariableW(L"DEK_LNK_EVIDENCE", folder.data(), size));
    static int counter = 0;
    const std::wstring base = folder + L"\\" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
    auto field = [](const char* name, const std::wstring& value) {
        return value.empty() ? std::string("!") + name + "\n" : std::string(name) + "=" + Utf8(value) + "\n";
    };
    const std::string lines = "# " + Utf8(path) + "\n" + field("Local path", ThroughCodePage932(expected.target)) +
                              field("Working directory", expected.workingFolder) +
                              field("Command line arguments", expected.arguments) +
                              field("Icon location", expected.iconFile) +
                              "Icon index=" + std::to_string(expected.iconIndex) + "\n";
    return CopyFileW(path.c_str(), (base + L".lnk").c_str(), FALSE) && platform::WriteWholeFile(base + L".expect", lines) == ERROR_SUCCESS;
}

}  // namespace

LinkFields DekSetLink(const std::wstring& programFolder, const std::wstring& arguments) {
    return {programFolder + L"\\Dek.exe", programFolder, arguments, programFolder + L"\\Dek.exe"};
}

void ExpectLink(const std::wstring& path, const LinkFields& expected) {
    const std::optional<std::string> bytes = platform::ReadFileHead(path, 1 << 20);
    // A ShellLinkHeader starts with its size, 0x4C; the show command is at 0x3C, the hot key at 0x40.
    ASSERT_TRUE(bytes && bytes->size() >= 0x4C && bytes->compare(0, 4, std::string("\x4C\0\0\0", 4)) == 0) << Utf8(path);
    auto byte = [&](size_t at) { return static_cast<unsigned>(static_cast<unsigned char>((*bytes)[at])); };
    EXPECT_EQ(byte(0x3C) | byte(0x3D) << 8 | byte(0x3E) << 16 | byte(0x3F) << 24, static_cast<unsigned>(expected.showCommand))
        << Utf8(path);
    EXPECT_EQ(byte(0x40) | byte(0x41) << 8, expected.hotKey) << Utf8(path);
    EXPECT_TRUE(HandToLnkinfo(path, expected)) << Utf8(path);
}

std::wstring ShellFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    return SUCCEEDED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) ? path : L"";
}

ShellFolderRedirect::ShellFolderRedirect(std::wstring name, const std::wstring& path)
    : name_(std::move(name)),
      user_(platform::ReadRegString(HKEY_CURRENT_USER, kUserShellFolders, name_)),
      shell_(platform::ReadRegString(HKEY_CURRENT_USER, kShellFolders, name_)) {
    WriteValue(kUserShellFolders, name_, path, REG_EXPAND_SZ);
    WriteValue(kShellFolders, name_, path, REG_SZ);
}

ShellFolderRedirect::~ShellFolderRedirect() {
    WriteValue(kUserShellFolders, name_, user_, REG_EXPAND_SZ);
    WriteValue(kShellFolders, name_, shell_, REG_SZ);
}

}  // namespace dektest
