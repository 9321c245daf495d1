// Making one item of the collection the system's wallpaper or screen saver.
#pragma once

#include <windows.h>

#include <string_view>

namespace dek {

// Lays WallDir & "\" & name on the desktop in the position its display record holds: the tiling
// pair goes into "Control Panel\Desktop" first, then the wallpaper is set through the system,
// recorded in the user's profile and announced to every window.
void ApplyWallpaper(std::wstring_view name);

// Makes SaverDir & "\" & name the system's screen saver by its short (8.3) path, in [boot]
// "SCRNSAVE.EXE" of system.ini and in "Control Panel\Desktop", and switches the screen saver on.
// A saver that is gone leaves both empty.
void ApplyScreenSaver(std::wstring_view name);

// Opens the key (created when missing), writes one REG_SZ value and closes the key.
bool SetRegString(HKEY root, std::wstring_view subkey, std::wstring_view name, std::wstring_view text);

}  // namespace dek
