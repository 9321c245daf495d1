// The shell's special folders (Startup, Desktop, ...) by CSIDL number.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

struct SpecialFolder {
    std::wstring path;  // the folder's file-system path; "" when the lookup failed
    HRESULT result;     // why it failed; S_OK with a path
};

// Looks the folder up as it is now, without creating it; a folder with no file-system path
// (a virtual one) fails with E_FAIL.
SpecialFolder SpecialFolderPath(HWND owner, int csidl);

}  // namespace platform
