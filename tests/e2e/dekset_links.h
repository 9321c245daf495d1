// Checking the shortcut files DekSet writes: the show command and the hot key straight from the
// file's header, everything else by lnkinfo, a reader that shares no code with Windows or Wine.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace dektest {

struct LinkFields {
    std::wstring target, workingFolder, arguments, iconFile;
    int iconIndex = 0;
    int showCommand = 0;
    WORD hotKey = 0;
};

// What DekSet writes for its program folder and a start mode's arguments.
LinkFields DekSetLink(const std::wstring& programFolder, const std::wstring& arguments);

// Expects a shortcut file at `path` whose header holds the expected show command and hot key.
// Under the wrapper dekset_lnkinfo.sh ($DEK_LNK_EVIDENCE set) it also hands a copy, with the lines
// lnkinfo must print for the other fields, to the wrapper, which runs lnkinfo after the test.
void ExpectLink(const std::wstring& path, const LinkFields& expected);

// The shell's path of a special folder (CSIDL_...); "" when it has none.
std::wstring ShellFolder(int csidl);

// Points a per-user shell folder ("Desktop", "Startup") at another path while it lives.
class ShellFolderRedirect {
public:
    ShellFolderRedirect(std::wstring name, const std::wstring& path);
    ShellFolderRedirect(const ShellFolderRedirect&) = delete;
    ShellFolderRedirect& operator=(const ShellFolderRedirect&) = delete;
    ~ShellFolderRedirect();

private:
    std::wstring name_;
    std::optional<std::wstring> user_, shell_;  // the values under User Shell Folders, Shell Folders
};

}  // namespace dektest
