// The notification area and the shell's drop support.
#pragma once

#include <windows.h>

#include <string_view>

namespace platform {

struct NotifyIcon {
    HWND window = nullptr;
    UINT id = 0;
    UINT callbackMessage = 0;  // sent to `window` with the mouse message in LOWORD(lParam)
    HICON icon = nullptr;
    std::wstring_view tip;
};

bool AddNotifyIcon(const NotifyIcon& icon);
bool DeleteNotifyIcon(const NotifyIcon& icon);
// True when the shell holds an icon for this window and id (a modification that changes nothing).
bool NotifyIconExists(HWND window, UINT id);

void AcceptDroppedFiles(HWND window, bool accept);

}  // namespace platform
