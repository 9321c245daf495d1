#include "changer/tray/tray_icon.h"

#include "platform/shell.h"
#include "resources/resource_ids.h"

namespace dek {

TrayIcon::TrayIcon()
    : taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")),
      fileMenu_(CreatePopupMenu()),
      changeMenu_(CreatePopupMenu()),
      bar_(CreateMenu()) {
    AppendMenuW(fileMenu_.get(), MF_STRING, TrayMenuRestore, L"元のサイズに戻す");
    AppendMenuW(fileMenu_.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(fileMenu_.get(), MF_STRING, TrayMenuExit, L"終了(&X)");
    AppendMenuW(changeMenu_.get(), MF_STRING, TrayMenuChangeBoth, L"ランダム変更(共通)");
    AppendMenuW(changeMenu_.get(), MF_STRING, TrayMenuChangeWallpaper, L"ランダム変更(壁紙)");
    AppendMenuW(changeMenu_.get(), MF_STRING, TrayMenuChangeScreenSaver, L"ランダム変更(スクリーンセーバー)");
}

bool TrayIcon::Notify(DWORD message) {
    return platform::ShellNotify(message, {window_, kId, kCallbackMessage, icon_.get(), L"DEK"});
}

void TrayIcon::Add(HWND window) {
    window_ = window;
    if (!icon_) icon_ = platform::LoadSmallIcon(IDI_TRAY);
    // An icon that is there already refuses a second one, which leaves the one icon wanted; a
    // shell that answers late may report a failure for an icon it took.
    const bool added = Notify(NIM_ADD) || platform::NotifyIconExists(window_, kId);
    if (!added) SetTimer(window_, kRetryTimer, 3000, nullptr);
}

void TrayIcon::OnTimer(UINT_PTR id) {
    if (id != kRetryTimer) return;
    KillTimer(window_, kRetryTimer);
    Add(window_);
}

void TrayIcon::Remove() {
    if (!window_) return;
    KillTimer(window_, kRetryTimer);
    Notify(NIM_DELETE);
}

void TrayIcon::Reload() {
    icon_ = platform::LoadSmallIcon(IDI_TRAY);
    if (window_) Notify(NIM_MODIFY);
}

TrayRequest TrayIcon::RequestOf(LPARAM notification) {
    switch (LOWORD(notification)) {
    case WM_LBUTTONUP: return TrayRequest::ChangeMenu;
    case WM_RBUTTONUP: return TrayRequest::FileMenu;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK: return TrayRequest::CentreAndShow;
    default: return TrayRequest::None;
    }
}

// The window must be in the foreground for the menu to close when the user clicks elsewhere, and
// the posted WM_NULL lets the next click on the icon open it again at once.
int TrayIcon::PopUp(bool changeMenu) {
    POINT pointer = {};
    GetCursorPos(&pointer);
    SetForegroundWindow(window_);
    const int chosen = static_cast<int>(TrackPopupMenu(changeMenu ? changeMenu_.get() : fileMenu_.get(),
                                                       TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_RETURNCMD, pointer.x,
                                                       pointer.y, 0, window_, nullptr));
    PostMessageW(window_, WM_NULL, 0, 0);
    return chosen;
}

// A menu bar cannot hide a top-level menu, so the bar is rebuilt from the visible ones. The outer
// size of the window stays as it is; the client area gives way to the bar while it shows.
void TrayIcon::ShowInMenuBar(bool fileMenu, bool changeMenu) {
    changeInBar_ = changeMenu;
    TakeBackMenus();
    if (fileMenu) AppendMenuW(bar_.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(fileMenu_.get()), L"FILE");
    if (changeMenu) AppendMenuW(bar_.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(changeMenu_.get()), L"CHANGE");
    RECT frame;
    GetWindowRect(window_, &frame);
    SetMenu(window_, fileMenu || changeMenu ? bar_.get() : nullptr);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TrayIcon::TakeBackMenus() {
    if (window_ && GetMenu(window_) == bar_.get()) SetMenu(window_, nullptr);
    while (GetMenuItemCount(bar_.get()) > 0) RemoveMenu(bar_.get(), 0, MF_BYPOSITION);
}

}  // namespace dek
