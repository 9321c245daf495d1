// Reading the shortcut files DekSet writes, twice: through the shell's own link object, and,
// when the test runs under the lnkinfo wrapper, by handing a copy with the expected fields to
// lnkinfo, a reader that shares no code with Windows or Wine.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace dektest {

struct LinkFields {
    std::wstring target;
    std::wstring workingFolder;
    std::wstring arguments;
    std::wstring iconFile;
    int iconIndex = 0;
    int showCommand = 0;
    WORD hotKey = 0;
    // With no icon given, the shell may take the target's own while it resolves the link.
    bool anyIcon = false;
};

bool operator==(const LinkFields& a, const LinkFields& b);
std::ostream& operator<<(std::ostream& out, const LinkFields& fields);

// The fields of a shortcut file: the texts and the icon as the shell reads them, the show command
// and the hot key straight from the file's header (Wine's shell reads back every stored show
// command as a normal window). nullopt when the shell cannot load the file.
std::optional<LinkFields> ReadLink(const std::wstring& path);

// What DekSet writes for a program folder and start-mode arguments.
LinkFields DekSetLink(const std::wstring& programFolder, const std::wstring& arguments);

// Expects the file to exist and read as `expected`, and hands it on to lnkinfo.
void ExpectLink(const std::wstring& path, const LinkFields& expected);

// Copies the file with the lines lnkinfo must print for it into the folder named by the
// environment variable DEK_LNK_EVIDENCE, when set; the wrapper script compares them after the
// test. Returns false when the copy could not be made.
bool HandToLnkinfo(const std::wstring& path, const LinkFields& expected);

// The shell's path of a special folder (CSIDL_...), as the test sees it.
std::wstring ShellFolder(int csidl);

// Points a per-user shell folder ("Desktop", "Startup") at another path for as long as it
// lives, so that tests neither write into the real one nor depend on what it holds.
class ShellFolderRedirect {
public:
    ShellFolderRedirect(std::wstring name, const std::wstring& path);
    ShellFolderRedirect(const ShellFolderRedirect&) = delete;
    ShellFolderRedirect& operator=(const ShellFolderRedirect&) = delete;
    ~ShellFolderRedirect();

private:
    void Write(const std::optional<std::wstring>& value) const;
    std::wstring name_;
    std::optional<std::wstring> userShellFolder_;
    std::optional<std::wstring> shellFolder_;
};

}  // namespace dektest
