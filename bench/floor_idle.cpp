// The floor of Dek's resident memory: a window with a list box, a notification-area icon and a
// one-minute timer, idle until closed. No C runtime; Dek's manifest (floor_window.rc).
#include <windows.h>
#include <shellapi.h>

#include "bench/floor_parts.h"

extern "C" void FloorMain() {
    HWND window = benchfloor::CreateFloorWindow();
    if (!window) ExitProcess(1);
    NOTIFYICONDATAW icon = {sizeof icon};
    icon.hWnd = window;
    icon.uID = 1;
    icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    icon.uCallbackMessage = WM_APP + 1;
    icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    lstrcpyW(icon.szTip, L"Dek bench floor");
    Shell_NotifyIconW(NIM_ADD, &icon);
    SetTimer(window, 1, 60000, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    benchfloor::RunMessageLoop();
    Shell_NotifyIconW(NIM_DELETE, &icon);
    DestroyWindow(window);
    ExitProcess(0);
}
