// What the floor programs share: reading a display record, and the window of the idle and fill
// floors, a top-level window with one list box (with the id of Dek's WallpaperList). No C runtime.
#pragma once

#include <windows.h>

#include "changer/main_window_ids.h"

namespace benchfloor {

inline constexpr wchar_t kWindowClass[] = L"DekBenchFloor";
inline constexpr int kListId = dek::WallpaperList;

// The digit of dat\<wallName>.dat: '0' centre, '1' tile, '2' stretch; '0' when unreadable.
wchar_t ReadRecord(const wchar_t* wallName);

// The window, created hidden; closing it ends RunMessageLoop without destroying it.
HWND CreateFloorWindow();
void RunMessageLoop();

}  // namespace benchfloor
