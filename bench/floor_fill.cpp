// The floor of Dek's start with a big collection: lists Wall, reads each wallpaper's display
// record in dat, fills a list box with one row per wallpaper, shows it and waits until closed.
// Runs in a program folder given as its current folder. No C runtime.
#include <windows.h>

#include "bench/floor_parts.h"
#include "platform/handles.h"

extern "C" void FloorMain() {
    HWND window = benchfloor::CreateFloorWindow();
    if (!window) ExitProcess(1);
    HWND list = GetDlgItem(window, benchfloor::kListId);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    WIN32_FIND_DATAW found;
    platform::UniqueFind find(FindFirstFileW(L"Wall\\*", &found));
    if (find) {
        do {
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            wchar_t row[MAX_PATH + 2] = {benchfloor::ReadRecord(found.cFileName), L' '};
            lstrcpynW(row + 2, found.cFileName, MAX_PATH);
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
        } while (FindNextFileW(find.get(), &found));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    benchfloor::RunMessageLoop();
    DestroyWindow(window);
    ExitProcess(0);
}
