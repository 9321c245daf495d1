#include "platform/shell.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

namespace platform {
namespace {

// sizeof for this build: the 64-bit structure is larger than a 32-bit build's.
NOTIFYICONDATAW Record(const NotifyIcon& icon) {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = icon.window;
    data.uID = icon.id;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = icon.callbackMessage;
    data.hIcon = icon.icon;
    const size_t n = std::min(icon.tip.size(), std::size(data.szTip) - 1);
    std::copy_n(icon.tip.data(), n, data.szTip);
    return data;
}

}  // namespace

bool ShellNotify(DWORD message, const NotifyIcon& icon) {
    NOTIFYICONDATAW data = Record(icon);
    return Shell_NotifyIconW(message, &data) != FALSE;
}

bool NotifyIconExists(HWND window, UINT id) {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = id;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

UniqueHIcon LoadSmallIcon(int resource) {
    HICON icon = nullptr;
    LoadIconMetric(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), LIM_SMALL, &icon);
    return UniqueHIcon(icon);
}

int UserNotificationState() {
    QUERY_USER_NOTIFICATION_STATE state = QUNS_ACCEPTS_NOTIFICATIONS;
    return SUCCEEDED(SHQueryUserNotificationState(&state)) ? static_cast<int>(state) : QUNS_ACCEPTS_NOTIFICATIONS;
}

void AcceptDroppedFiles(HWND window, bool accept) { DragAcceptFiles(window, accept ? TRUE : FALSE); }

std::wstring TakeFirstDroppedFile(HDROP drop) {
    std::wstring path;
    if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) > 0) {
        path.resize(static_cast<size_t>(DragQueryFileW(drop, 0, nullptr, 0)) + 1);
        path.resize(DragQueryFileW(drop, 0, path.data(), static_cast<UINT>(path.size())));
    }
    // Released at once: the position dialog of an added wallpaper may stay open for long.
    DragFinish(drop);
    return path;
}

}  // namespace platform
