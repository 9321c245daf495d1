// Making one item of the collection the system's wallpaper or screen saver.
#pragma once

#include <string_view>

#include "changer/core/program.h"

namespace dek {

// Lays the wallpaper of that name on the desktop in the position its display record holds: the
// tiling pair goes into "Control Panel\Desktop" first, then the wallpaper is set through the
// system, recorded in the user's profile and announced to every window.
void ApplyWallpaper(const ProgramFolders& folders, std::wstring_view name);

// Makes the screen saver of that name the system's by its short (8.3) path, in [boot]
// "SCRNSAVE.EXE" of system.ini and in "Control Panel\Desktop", and switches the screen saver on.
// A saver that is gone leaves both empty.
void ApplyScreenSaver(const ProgramFolders& folders, std::wstring_view name);

}  // namespace dek
