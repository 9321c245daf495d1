// The notification area and the shell's drop support.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <string_view>

#include "platform/handles.h"

namespace platform {

struct NotifyIcon {
    HWND window = nullptr;
    UINT id = 0;
    UINT callbackMessage = 0;  // sent to `window` with the mouse message in LOWORD(lParam)
    HICON icon = nullptr;
    std::wstring_view tip;
};

// NIM_ADD, NIM_MODIFY or NIM_DELETE for the icon; true when the shell took it.
bool ShellNotify(DWORD message, const NotifyIcon& icon);
// True when the shell holds an icon for this window and id (a modification that changes nothing).
bool NotifyIconExists(HWND window, UINT id);

// An icon resource of the program at the system's small-icon size for the current DPI, as the
// notification area shows it.
UniqueHIcon LoadSmallIcon(int resource);

// The shell's notification state (QUERY_USER_NOTIFICATION_STATE: 1 to 7); 5, "accepts
// notifications", when the shell cannot tell.
int UserNotificationState();

void AcceptDroppedFiles(HWND window, bool accept);
// The whole path of the first file of a drop; the drop is released.
std::wstring TakeFirstDroppedFile(HDROP drop);

}  // namespace platform
