// The dots per inch of the monitor a window is on, and the sizes of the system at a DPI.
#pragma once

#include <windows.h>

#include "platform/window_placement.h"

namespace platform {

// The dots per inch of the system, and of the monitor a window is on where the system tells
// them apart (the programs are per-monitor aware); the system's elsewhere.
int SystemDpi();
int WindowDpi(HWND window);

// AdjustWindowRectEx at a given DPI.
void AdjustFrameForDpi(RECT& rect, DWORD style, DWORD exStyle, bool menu, int dpi);
// A system metric (SM_CXSMICON, ...) at a given DPI.
int MetricForDpi(int index, int dpi);

}  // namespace platform
