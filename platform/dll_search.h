// Where the programs find the DLLs they load by name after their start.
#pragma once

namespace platform {

// From now on every DLL loaded by name (the delay-loaded ones, and the DLLs they load in turn)
// comes from the system folder only, never from the program's folder or the current one, where
// anyone may have put a DLL of a system's name. Called first thing in each program. False where
// the system cannot restrict the search (Windows 7 without KB2533623); the current folder is then
// at least left out.
// Nothing is loaded by name before: the DLLs the programs import (kernel32, user32, gdi32, advapi32,
// msvcrt) are known DLLs, which Windows takes from the system folder together with what they import;
// MSVC builds also mark their imports so (/DEPENDENTLOADFLAG).
bool SearchDllsInSystemFolderOnly();

}  // namespace platform
