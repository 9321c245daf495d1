// A wallpaper of its own on each monitor: the pictures composed into one bitmap over all of them,
// kept in the program's own "dat" folder (never in "Wall"), and laid on the desktop so that it
// spans the monitors.
#pragma once

#include <string>
#include <vector>

#include "changer/core/program.h"
#include "platform/monitor_layout.h"

namespace dek {

// The bitmap's path.
std::wstring MonitorWallpaperPath(const ProgramFolders& folders);

// Each monitor (in layout order) gets the wallpaper of the same place in `wallpapers`, laid into
// its rectangle in the position its display record holds, over the desktop's background colour.
// Windows 8 and later span the bitmap over the monitors; Windows 7 tiles it from the primary
// monitor, so it is shifted to line up. The message of a failure, empty when the desktop has it.
std::wstring ApplyMonitorWallpapers(const ProgramFolders& folders, const std::vector<platform::Monitor>& monitors,
                                    const std::vector<std::wstring>& wallpapers);

}  // namespace dek
