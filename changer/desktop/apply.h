// Making one item of the collection the system's wallpaper or screen saver. Each says, in the
// user's words, what went wrong: the message of a failure, empty when the desktop has the item.
#pragma once

#include <string>
#include <string_view>

#include "changer/core/program.h"
#include "changer/desktop/change_rules.h"

namespace dek {

// Lays a bitmap on the desktop with the desktop's tiling pair: the pair goes into
// "Control Panel\Desktop" first, then the wallpaper is set through the system, recorded in the
// user's profile and announced to every window. A file that cannot be read as a bitmap is refused
// first and the desktop stays as it was: the system itself may report success for such a file.
std::wstring SetDesktopWallpaper(const std::wstring& path, const DesktopTiling& tiling);

// The wallpaper of that name, in the position its display record holds.
std::wstring ApplyWallpaper(const ProgramFolders& folders, std::wstring_view name);

// Makes the screen saver of that name the system's by its short (8.3) path, in [boot]
// "SCRNSAVE.EXE" of system.ini and in "Control Panel\Desktop", and switches the screen saver on.
// A saver that is gone leaves both empty, and is reported.
std::wstring ApplyScreenSaver(const ProgramFolders& folders, std::wstring_view name);

}  // namespace dek
