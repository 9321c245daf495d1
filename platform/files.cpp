#include "platform/files.h"

#include <algorithm>

#include "platform/handles.h"

namespace platform {

std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring JoinPath(std::wstring_view folder, std::wstring_view name) {
    std::wstring path(folder);
    path += L'\\';
    path += name;
    return path;
}

std::wstring FileNameOf(std::wstring_view path) {
    const size_t slash = path.find_last_of(L"\\/");
    return std::wstring(slash == std::wstring_view::npos ? path : path.substr(slash + 1));
}

EntryKind LookUpEntry(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return EntryKind::Missing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? EntryKind::Folder : EntryKind::File;
}

namespace {
constexpr DWORD kNotNormal = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

bool EndsWithNoCase(std::wstring_view name, std::wstring_view ending) {
    if (ending.size() > name.size()) return false;
    return CompareStringOrdinal(name.data() + (name.size() - ending.size()), static_cast<int>(ending.size()),
                                ending.data(), static_cast<int>(ending.size()), TRUE) == CSTR_EQUAL;
}
}  // namespace

bool IsNormalFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotNormal) == 0;
}

bool CreateFolder(const std::wstring& path) { return CreateDirectoryW(path.c_str(), nullptr) != FALSE; }

bool CopyFileReplacing(const std::wstring& from, const std::wstring& to) {
    return CopyFileW(from.c_str(), to.c_str(), FALSE) != FALSE;
}

bool DeleteFileAt(const std::wstring& path) { return DeleteFileW(path.c_str()) != FALSE; }

std::vector<std::wstring> ListFiles(const std::wstring& folder, std::wstring_view extension) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    UniqueFind find(FindFirstFileExW(JoinPath(folder, L"*").c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return names;
    do {
        if ((found.dwFileAttributes & kNotNormal) != 0) continue;
        if (!extension.empty() && !EndsWithNoCase(found.cFileName, extension)) continue;
        names.emplace_back(found.cFileName);
    } while (FindNextFileW(find.get(), &found));
    // The file system gives its own order (Wine: the Linux one); the lists promise the user's
    // alphabetical order, without regard to case, and a fixed order for names equal in it.
    // Sort keys order as CompareStringEx with the same flags does; made once per name, they sort
    // a folder of thousands of files several times faster than a comparison call per step.
    struct Keyed {
        std::string key;
        std::wstring name;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(names.size());
    for (std::wstring& name : names) {
        constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
        const int length = static_cast<int>(name.size());
        const int bytes = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, kFlags, name.c_str(), length, nullptr, 0, nullptr,
                                        nullptr, 0);
        std::string key(bytes > 0 ? static_cast<size_t>(bytes) : 0, '\0');
        if (bytes > 0) {
            LCMapStringEx(LOCALE_NAME_USER_DEFAULT, kFlags, name.c_str(), length, reinterpret_cast<LPWSTR>(key.data()),
                          bytes, nullptr, nullptr, 0);
        }
        keyed.push_back({std::move(key), std::move(name)});
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        const int order = a.key.compare(b.key);
        return order == 0 ? a.name < b.name : order < 0;
    });
    for (size_t i = 0; i < keyed.size(); ++i) names[i] = std::move(keyed[i].name);
    return names;
}

std::wstring ShortPathOf(const std::wstring& path) {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetShortPathNameW(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) {
            buffer.resize(n);
            return buffer;
        }
        buffer.resize(n);
    }
}

std::wstring TempFolder() {
    std::wstring buffer(MAX_PATH + 1, L'\0');
    const DWORD n = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
    buffer.resize(n < buffer.size() ? n : 0);
    return buffer;
}

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    return bytes;
}

bool WriteFileBytes(const std::wstring& path, std::string_view bytes) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

}  // namespace platform
