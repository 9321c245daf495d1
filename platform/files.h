// Folders and files by wide path. Failures come back as the system's error codes
// (ERROR_SUCCESS for none), for callers that tell the user why.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/handles.h"

namespace platform {

// The folder of the running program file, without a trailing separator.
std::wstring ProgramFolder();

std::wstring JoinPath(std::wstring_view folder, std::wstring_view name);

enum class EntryKind { Missing, File, Folder };
EntryKind LookUpEntry(const std::wstring& path);

// A directory lookup that finds only normal files: not folders, not hidden or system files.
bool IsNormalFile(const std::wstring& path);

// Whether two paths name one and the same file.
bool IsSameFile(const std::wstring& a, const std::wstring& b);

bool CreateFolder(const std::wstring& path);
bool DeleteFileAt(const std::wstring& path);

// The normal files of a folder (hidden and system files and folders left out) whose names end in
// `extension` (compared without regard to case; empty: every file), in the file system's order.
// Only long names count, so "*.scr" never matches a name through its 8.3 alias.
std::vector<std::wstring> NormalFilesIn(const std::wstring& folder, std::wstring_view extension = {});
// The same, sorted alphabetically without regard to case.
std::vector<std::wstring> ListFiles(const std::wstring& folder, std::wstring_view extension = {});
// Whether a name ends in `ending`, without regard to case, as ListFiles filters.
bool NameEndsWith(std::wstring_view name, std::wstring_view ending);
// The order ListFiles sorts in: whether `a` comes before `b`.
bool ListOrder(std::wstring_view a, std::wstring_view b);

// The short (8.3) form of an existing path; empty when the platform cannot give one.
std::wstring ShortPathOf(const std::wstring& path);

// The temporary folder, with its trailing separator.
std::wstring TempFolder();

// At most the first `limit` bytes of a regular file; nullopt for a missing file, a folder, a
// device or a pipe, or when it cannot be read. Never reads more, however large the file.
std::optional<std::string> ReadFileHead(const std::wstring& path, size_t limit);
// The same for a file that a lookup or a listing of its folder has just shown to be a normal file
// (a name in a folder is never a pipe's or a device's), without asking for its attributes again:
// a start reads thousands of records so.
std::optional<std::string> ReadListedFileHead(const std::wstring& path, size_t limit);

// Writes a new content for a file beside it, in a hidden temporary file of the same folder, and
// moves it into place only once it is complete: a failure at any point leaves what was at the
// path whole. An uncommitted temporary is removed when the writer goes; one that a killed program
// left is removed by RemoveLeftTemporaries, and its name never stops a later write.
class ReplacingWriter {
public:
    explicit ReplacingWriter(std::wstring target);
    ReplacingWriter(const ReplacingWriter&) = delete;
    ReplacingWriter& operator=(const ReplacingWriter&) = delete;
    ~ReplacingWriter();

    bool Write(const void* bytes, size_t size);
    // ERROR_SUCCESS once the target holds exactly what was written; the first failure otherwise.
    DWORD Commit();
    DWORD Error() const { return error_; }

private:
    bool Fail(DWORD error);

    std::wstring target_;
    std::wstring temporary_;
    UniqueFile file_;
    DWORD error_ = ERROR_SUCCESS;
    bool committed_ = false;
};

// Removes the temporaries that writers of killed runs left in a folder. One still being written
// (by another running copy of the program) stays.
void RemoveLeftTemporaries(const std::wstring& folder);

DWORD WriteWholeFile(const std::wstring& path, std::string_view bytes);
// Copies a file over `to` through a ReplacingWriter. The copy is a normal file, whatever the
// attributes of the original.
DWORD CopyFileReplacing(const std::wstring& from, const std::wstring& to);

}  // namespace platform
