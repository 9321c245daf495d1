// Folders and files by wide path.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The folder of the running program file, without a trailing separator.
std::wstring ProgramFolder();

// folder & "\" & name.
std::wstring JoinPath(std::wstring_view folder, std::wstring_view name);

// The last part of a path: everything after its last "\" or "/", extension kept.
std::wstring FileNameOf(std::wstring_view path);

enum class EntryKind { Missing, File, Folder };
EntryKind LookUpEntry(const std::wstring& path);

// A directory lookup that finds only normal files: not folders, not hidden or system files.
bool IsNormalFile(const std::wstring& path);

bool CreateFolder(const std::wstring& path);
bool CopyFileReplacing(const std::wstring& from, const std::wstring& to);
bool DeleteFileAt(const std::wstring& path);

// The normal files of a folder (hidden and system files and folders left out) whose names end in
// `extension` (compared without regard to case; empty: every file), sorted alphabetically without
// regard to case. Only long names count, so "*.scr" never matches a name through its 8.3 alias.
std::vector<std::wstring> ListFiles(const std::wstring& folder, std::wstring_view extension = {});

// The short (8.3) form of an existing path; empty when the platform cannot give one.
std::wstring ShortPathOf(const std::wstring& path);

// The temporary folder, with its trailing separator.
std::wstring TempFolder();

// Whole file contents, for small files (records, tests).
std::optional<std::string> ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, std::string_view bytes);

}  // namespace platform
