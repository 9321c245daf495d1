#include "tests/e2e/dekset_links.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

#include "platform/files.h"
#include "platform/handles.h"

namespace dektest {
namespace {

constexpr wchar_t kUserShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
constexpr wchar_t kShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// Wine keeps a link's local path only in the ANSI code page; a path outside it cannot come back
// exactly through that field, only through the Unicode strings beside it.
bool FitsCodePage932(const std::wstring& text) {
    BOOL lossy = FALSE;
    WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                        &lossy);
    return !lossy;
}

std::optional<std::wstring> ReadString(const wchar_t* key, const std::wstring& name) {
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name.c_str(), RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                     nullptr, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, key, name.c_str(), RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                     nullptr, value.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.resize(wcslen(value.c_str()));
    return value;
}

void WriteString(const wchar_t* key, const std::wstring& name, const std::optional<std::wstring>& value, DWORD type) {
    if (!value) {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, key, name.c_str());
        return;
    }
    RegSetKeyValueW(HKEY_CURRENT_USER, key, name.c_str(), type, value->c_str(),
                    static_cast<DWORD>((value->size() + 1) * sizeof(wchar_t)));
}

}  // namespace

bool operator==(const LinkFields& a, const LinkFields& b) {
    const bool anyIcon = a.anyIcon || b.anyIcon;
    return a.target == b.target && a.workingFolder == b.workingFolder && a.arguments == b.arguments &&
           (anyIcon || (a.iconFile == b.iconFile && a.iconIndex == b.iconIndex)) && a.showCommand == b.showCommand &&
           a.hotKey == b.hotKey;
}

std::ostream& operator<<(std::ostream& out, const LinkFields& f) {
    return out << "{target " << Utf8(f.target) << ", folder " << Utf8(f.workingFolder) << ", arguments "
               << Utf8(f.arguments) << ", icon " << Utf8(f.iconFile) << "," << f.iconIndex << ", show "
               << f.showCommand << ", hot key " << f.hotKey << "}";
}

std::optional<LinkFields> ReadLink(const std::wstring& path) {
    platform::ComApartment com;
    platform::ComPtr<IShellLinkW> link;
    platform::ComPtr<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put_void())) ||
        FAILED(link->QueryInterface(IID_IPersistFile, file.put_void())) ||
        FAILED(file->Load(path.c_str(), STGM_READ))) {
        return std::nullopt;
    }
    std::wstring buffer(32768, L'\0');
    auto text = [&](auto&& get) {
        buffer.assign(buffer.size(), L'\0');
        get(buffer.data(), static_cast<int>(buffer.size()));
        return std::wstring(buffer.c_str());
    };
    LinkFields f;
    // The item list is what the shell starts; it keeps every name in Unicode.
    PIDLIST_ABSOLUTE items = nullptr;
    if (SUCCEEDED(link->GetIDList(&items)) && items) {
        platform::UniqueCoTaskMem owned(items);
        f.target = text([&](wchar_t* b, int n) { SHGetPathFromIDListEx(items, b, static_cast<DWORD>(n), GPFIDL_DEFAULT); });
    }
    f.workingFolder = text([&](wchar_t* b, int n) { link->GetWorkingDirectory(b, n); });
    f.arguments = text([&](wchar_t* b, int n) { link->GetArguments(b, n); });
    f.iconFile = text([&](wchar_t* b, int n) { link->GetIconLocation(b, n, &f.iconIndex); });
    // ShellLinkHeader: its size 0x4C first, the show command at 0x3C, the hot key at 0x40.
    const std::optional<std::string> bytes = platform::ReadFileBytes(path);
    if (!bytes || bytes->size() < 0x4C || bytes->compare(0, 4, std::string("\x4C\0\0\0", 4)) != 0) return std::nullopt;
    auto byte = [&](size_t at) { return static_cast<uint32_t>(static_cast<unsigned char>((*bytes)[at])); };
    f.showCommand = static_cast<int>(byte(0x3C) | byte(0x3D) << 8 | byte(0x3E) << 16 | byte(0x3F) << 24);
    f.hotKey = static_cast<WORD>(byte(0x40) | byte(0x41) << 8);
    return f;
}

LinkFields DekSetLink(const std::wstring& programFolder, const std::wstring& arguments) {
    return {programFolder + L"\\Dek.exe", programFolder, arguments, programFolder + L"\\Dek.exe", 0, 0, 0};
}

void ExpectLink(const std::wstring& path, const LinkFields& expected) {
    ASSERT_EQ(platform::LookUpEntry(path), platform::EntryKind::File) << Utf8(path);
    const std::optional<LinkFields> read = ReadLink(path);
    ASSERT_TRUE(read.has_value()) << Utf8(path);
    EXPECT_EQ(*read, expected) << Utf8(path);
    EXPECT_TRUE(HandToLnkinfo(path, expected)) << Utf8(path);
}

bool HandToLnkinfo(const std::wstring& path, const LinkFields& expected) {
    wchar_t folder[MAX_PATH * 2];
    const DWORD n = GetEnvironmentVariableW(L"DEK_LNK_EVIDENCE", folder, static_cast<DWORD>(std::size(folder)));
    if (n == 0 || n >= std::size(folder)) return true;  // not under the wrapper: nothing to hand on

    static int counter = 0;
    const std::wstring base = std::wstring(folder) + L"\\" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(++counter);
    if (!CopyFileW(path.c_str(), (base + L".lnk").c_str(), FALSE)) return false;

    // One line per field: "name=value" must be printed exactly so, "!name" must not be printed.
    // This lnkinfo prints 0 for the show command and the hot key whatever the file holds; those
    // two are read from the header above.
    auto field = [](const char* name, const std::wstring& value) {
        return value.empty() ? std::string("!") + name + "\n" : std::string(name) + "=" + Utf8(value) + "\n";
    };
    std::string lines = "# " + Utf8(path) + "\n";
    if (FitsCodePage932(expected.target)) lines += field("Local path", expected.target);
    lines += field("Working directory", expected.workingFolder);
    lines += field("Command line arguments", expected.arguments);
    if (!expected.anyIcon) {
        lines += field("Icon location", expected.iconFile);
        lines += "Icon index=" + std::to_string(expected.iconIndex) + "\n";
    }

    return platform::WriteFileBytes(base + L".expect", lines);
}

std::wstring ShellFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    return SUCCEEDED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) ? path : L"";
}

ShellFolderRedirect::ShellFolderRedirect(std::wstring name, const std::wstring& path)
    : name_(std::move(name)),
      userShellFolder_(ReadString(kUserShellFolders, name_)),
      shellFolder_(ReadString(kShellFolders, name_)) {
    Write(path);
}

ShellFolderRedirect::~ShellFolderRedirect() {
    WriteString(kUserShellFolders, name_, userShellFolder_, REG_EXPAND_SZ);
    WriteString(kShellFolders, name_, shellFolder_, REG_SZ);
}

void ShellFolderRedirect::Write(const std::optional<std::wstring>& value) const {
    WriteString(kUserShellFolders, name_, value, REG_EXPAND_SZ);
    WriteString(kShellFolders, name_, value, REG_SZ);
}

}  // namespace dektest
