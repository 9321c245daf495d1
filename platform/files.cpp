#include "platform/files.h"

#include <algorithm>

#include "platform/handles.h"
#include "platform/temporary_name.h"

namespace platform {
namespace {

constexpr DWORD kNotNormal = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// The text of a call that fills a buffer of a given size and answers the length it wrote, 0 for a
// failure, or, when the buffer was too small, the size it needs (or the whole buffer, cut short).
template <typename Call>
std::wstring GrownText(Call call) {
    std::wstring text(MAX_PATH + 1, L'\0');
    for (;;) {
        const DWORD n = call(text.data(), static_cast<DWORD>(text.size()));
        if (n < text.size()) {
            text.resize(n);
            return text;
        }
        text.resize(std::max<size_t>(n + 1, text.size() * 2));
    }
}

}  // namespace

std::wstring ProgramFolder() {
    const std::wstring path =
        GrownText([](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(nullptr, buffer, size); });
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring JoinPath(std::wstring_view folder, std::wstring_view name) {
    return std::wstring(folder) + L'\\' + std::wstring(name);
}

EntryKind LookUpEntry(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return EntryKind::Missing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? EntryKind::Folder : EntryKind::File;
}

bool IsNormalFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotNormal) == 0;
}

bool IsSameFile(const std::wstring& a, const std::wstring& b) {
    auto identity = [](const std::wstring& path) -> std::optional<BY_HANDLE_FILE_INFORMATION> {
        UniqueFile file(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr));
        BY_HANDLE_FILE_INFORMATION info;
        if (!file || !GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
        return info;
    };
    const auto first = identity(a);
    const auto second = identity(b);
    return first && second && first->dwVolumeSerialNumber == second->dwVolumeSerialNumber &&
           first->nFileIndexHigh == second->nFileIndexHigh && first->nFileIndexLow == second->nFileIndexLow;
}

bool CreateFolder(const std::wstring& path) { return CreateDirectoryW(path.c_str(), nullptr) != FALSE; }

bool DeleteFileAt(const std::wstring& path) { return DeleteFileW(path.c_str()) != FALSE; }

std::vector<std::wstring> NormalFilesIn(const std::wstring& folder, std::wstring_view extension) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    UniqueFind find(FindFirstFileExW(JoinPath(folder, L"*").c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return names;
    do {
        if ((found.dwFileAttributes & kNotNormal) != 0) continue;
        if (!extension.empty() && !NameEndsWith(found.cFileName, extension)) continue;
        names.emplace_back(found.cFileName);
    } while (FindNextFileW(find.get(), &found));
    return names;
}

std::vector<std::wstring> ListFiles(const std::wstring& folder, std::wstring_view extension) {
    std::vector<std::wstring> names = NormalFilesIn(folder, extension);
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

bool NameEndsWith(std::wstring_view name, std::wstring_view ending) {
    if (ending.size() > name.size()) return false;
    return CompareStringOrdinal(name.data() + (name.size() - ending.size()), static_cast<int>(ending.size()),
                                ending.data(), static_cast<int>(ending.size()), TRUE) == CSTR_EQUAL;
}

bool ListOrder(std::wstring_view a, std::wstring_view b) {
    const int order = CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                                      b.data(), static_cast<int>(b.size()), nullptr, nullptr, 0);
    return order == CSTR_EQUAL ? a < b : order == CSTR_LESS_THAN;
}

std::wstring ShortPathOf(const std::wstring& path) {
    return GrownText([&](wchar_t* buffer, DWORD size) { return GetShortPathNameW(path.c_str(), buffer, size); });
}

std::wstring TempFolder() {
    return GrownText([](wchar_t* buffer, DWORD size) { return GetTempPathW(size, buffer); });
}

std::optional<std::string> ReadFileHead(const std::wstring& path, size_t limit) {
    // A pipe or device would answer a read only when something writes to it, or never stop.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE))) {
        return std::nullopt;
    }
    return ReadListedFileHead(path, limit);
}

std::optional<std::string> ReadListedFileHead(const std::wstring& path, size_t limit) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || GetFileType(file.get()) != FILE_TYPE_DISK) return std::nullopt;
    std::string bytes(limit, '\0');
    // A disk file gives less than asked only at its end, so a short read needs no second one.
    for (size_t got = 0, asked = limit;; asked = limit - got) {
        DWORD n = 0;
        if (!ReadFile(file.get(), bytes.data() + got, static_cast<DWORD>(asked), &n, nullptr)) return std::nullopt;
        got += n;
        if (n < asked || got == limit) {
            bytes.resize(got);
            return bytes;
        }
    }
}

namespace {

// Beside the target, so that the final move stays within one volume; hidden, so that a temporary
// left by a program that ended meanwhile is never listed; short, so that a target whose name is
// as long as names may be still gets one.
std::wstring TemporaryBeside(const std::wstring& target) {
    static unsigned counter = 0;
    const size_t slash = target.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? std::wstring(L".") : target.substr(0, slash);
    return JoinPath(folder, TemporaryFileName(GetCurrentProcessId(), ++counter));
}

// A writer passes over names taken by temporaries of a killed run whose process id has come round
// again; that many taken names would be no leftovers but a fault of their own.
constexpr int kTemporaryNameTries = 1000;

}  // namespace

ReplacingWriter::ReplacingWriter(std::wstring target) : target_(std::move(target)) {
    // Opened without sharing until it is moved into place: see RemoveLeftTemporaries.
    DWORD error = ERROR_FILE_EXISTS;
    for (int tries = 0; tries < kTemporaryNameTries && error == ERROR_FILE_EXISTS; ++tries) {
        temporary_ = TemporaryBeside(target_);
        file_.reset(CreateFileW(temporary_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr));
        error = file_ ? ERROR_SUCCESS : GetLastError();
    }
    if (!file_) {
        temporary_.clear();
        Fail(error);
    }
}

ReplacingWriter::~ReplacingWriter() {
    if (!committed_ && !temporary_.empty()) {
        file_.reset();
        DeleteFileW(temporary_.c_str());
    }
}

bool ReplacingWriter::Fail(DWORD error) {
    if (error_ == ERROR_SUCCESS) error_ = error != ERROR_SUCCESS ? error : ERROR_WRITE_FAULT;
    return false;
}

bool ReplacingWriter::Write(const void* bytes, size_t size) {
    if (error_ != ERROR_SUCCESS) return false;
    const auto* at = static_cast<const char*>(bytes);
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(size, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file_.get(), at, chunk, &written, nullptr)) return Fail(GetLastError());
        if (written != chunk) return Fail(ERROR_DISK_FULL);
        at += chunk;
        size -= chunk;
    }
    return true;
}

DWORD ReplacingWriter::Commit() {
    if (error_ != ERROR_SUCCESS) return error_;
    // Shown before it is closed, so that RemoveLeftTemporaries never takes it for a leftover; closing
    // hands over what the system still holds, and a full disk may only show there.
    FILE_BASIC_INFO shown = {};
    shown.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    if (!SetFileInformationByHandle(file_.get(), FileBasicInfo, &shown, sizeof shown) || !CloseHandle(file_.release()) ||
        !MoveFileExW(temporary_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Fail(GetLastError());
        return error_;
    }
    committed_ = true;
    return ERROR_SUCCESS;
}

// A leftover is hidden (a temporary is shown just before it is closed for good) and can be opened
// without sharing (a writer holds its temporary so until then). Opening it so first leaves no moment
// in which a writer could take it back.
void RemoveLeftTemporaries(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    UniqueFind find(FindFirstFileExW(JoinPath(folder, L"~dek*.tmp").c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, 0));
    if (!find) return;
    do {
        if (!IsTemporaryFileName(found.cFileName)) continue;
        UniqueFile file(CreateFileW(JoinPath(folder, found.cFileName).c_str(), DELETE | FILE_READ_ATTRIBUTES, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
        FILE_BASIC_INFO info;
        if (!file || !GetFileInformationByHandleEx(file.get(), FileBasicInfo, &info, sizeof info) ||
            (info.FileAttributes & FILE_ATTRIBUTE_HIDDEN) == 0) {
            continue;
        }
        FILE_DISPOSITION_INFO removal = {TRUE};
        SetFileInformationByHandle(file.get(), FileDispositionInfo, &removal, sizeof removal);
    } while (FindNextFileW(find.get(), &found));
}

DWORD WriteWholeFile(const std::wstring& path, std::string_view bytes) {
    ReplacingWriter writer(path);
    writer.Write(bytes.data(), bytes.size());
    return writer.Commit();
}

DWORD CopyFileReplacing(const std::wstring& from, const std::wstring& to) {
    UniqueFile source(CreateFileW(from.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!source) return GetLastError();
    ReplacingWriter writer(to);
    std::vector<char> buffer(1 << 20);
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(source.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr)) return GetLastError();
        if (got == 0) break;
        if (!writer.Write(buffer.data(), got)) return writer.Error();
    }
    return writer.Commit();
}

}  // namespace platform
