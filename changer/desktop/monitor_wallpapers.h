// A wallpaper of its own on each monitor: the pictures composed into one bitmap over all of them,
// kept in the program's own "dat" folder (never in "Wall"), and laid on the desktop so that it
// spans the monitors.
#pragma once

#include <string>
#include <vector>

#include "changer/collection/display_record.h"
#include "changer/core/program.h"
#include "platform/monitor_layout.h"

namespace dek {

// The bitmap's path.
std::wstring MonitorWallpaperPath(const ProgramFolders& folders);

// Each monitor (in layout order) gets the picture of the same place, laid into its rectangle in
// its position, over the desktop's background colour, in one bitmap over the virtual screen
// written to `target`; shifted to line up when the desktop will tile it. One picture is held at a
// time beside the bitmap, and a 24-bit bitmap (as the collection keeps them) is drawn from where
// the file lies. The message of a failure, empty when written.
std::wstring ComposeMonitorBitmap(const std::vector<platform::Monitor>& monitors, const std::vector<std::wstring>& pictures,
                                  const std::vector<DisplayPosition>& positions, bool tiled, const std::wstring& target);

// The wallpapers of the collection, each in the position its display record holds. Windows 8 and
// later span the bitmap over the monitors; Windows 7 tiles it from the primary monitor. The
// message of a failure, empty when the desktop has it.
std::wstring ApplyMonitorWallpapers(const ProgramFolders& folders, const std::vector<platform::Monitor>& monitors,
                                    const std::vector<std::wstring>& wallpapers);

}  // namespace dek
