// The maker's two ways to a folder: a special folder of the shell, or one the user browses to.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/shell_folders.h"

namespace dekset {

// The file-system path of a shell special folder (kCsidlStartup, kCsidlDesktop); on failure an
// empty path and the shell's reason.
platform::SpecialFolder GetSpecialFolder(int csidl);

// The shell's folder browser over the whole namespace, confirming only file-system folders.
// The chosen folder's path, or "" when the user cancelled.
std::wstring ChooseFolder(HWND owner, std::wstring_view prompt);

}  // namespace dekset
