// The shell's special folders (Startup, Desktop, ...) by CSIDL number.
#pragma once

#include <windows.h>
#include <shtypes.h>

#include <string>

namespace platform {

struct SpecialFolder {
    std::wstring path;  // the folder's file-system path; "" when the lookup failed
    HRESULT result;     // why it failed; S_OK with a path
};

// Looks the folder up as it is now, without creating it; a folder with no file-system path
// (a virtual one) fails with E_FAIL.
SpecialFolder SpecialFolderPath(HWND owner, int csidl);

// The file-system path of a shell item, of any length the shell gives; "" for a virtual one.
std::wstring PathOfItem(PCIDLIST_ABSOLUTE item);

}  // namespace platform
