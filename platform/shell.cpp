#include "platform/shell.h"

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

bool AddNotifyIcon(const NotifyIcon& icon) {
    NOTIFYICONDATAW data = Record(icon);
    return Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

bool DeleteNotifyIcon(const NotifyIcon& icon) {
    NOTIFYICONDATAW data = Record(icon);
    return Shell_NotifyIconW(NIM_DELETE, &data) != FALSE;
}

bool NotifyIconExists(HWND window, UINT id) {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = id;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void AcceptDroppedFiles(HWND window, bool accept) { DragAcceptFiles(window, accept ? TRUE : FALSE); }

}  // namespace platform
