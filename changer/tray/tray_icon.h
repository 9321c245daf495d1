// The changer's icon in the notification area, with its two menus: CHANGE pops up on a release
// of the left button over the icon, FILE on a release of the right button, and a double click
// asks for the main window back. The same two menus appear in the main window's menu bar while
// it is away.
#pragma once

#include <windows.h>

#include "platform/handles.h"

namespace dek {

// The menus' items, in the one table that defines them.
enum TrayMenuItem : int {
    TrayMenuRestore = 2001,     // FILE "元のサイズに戻す": the main window shown where it stands
    TrayMenuExit,               // FILE "終了(&X)"
    TrayMenuChangeBoth,         // CHANGE "ランダム変更(共通)": the change sound, wallpaper and screen saver
    TrayMenuChangeWallpaper,    // CHANGE "ランダム変更(壁紙)"
    TrayMenuChangeScreenSaver,  // CHANGE "ランダム変更(スクリーンセーバー)"
};

// What a notification from the icon asks of the main window.
enum class TrayRequest { None, ChangeMenu, FileMenu, CentreAndShow };

class TrayIcon {
public:
    static constexpr UINT kId = 1;
    // The shell reports the mouse message that happened over the icon in LOWORD(lParam).
    static constexpr UINT kCallbackMessage = WM_APP + 1;

    TrayIcon();

    // Puts the icon in for the window, at most once. A shell that refuses (before the taskbar has
    // started, or too busy to answer) is asked again on the taskbar's start announcement
    // (IsTaskbarStart) and every few seconds (OnTimer) until the icon is there.
    void Add(HWND window);
    // Every tick of the window's timers is handed on here; the retries take their own.
    void OnTimer(UINT_PTR id);
    void Remove();
    // The icon at the size the current DPI asks for.
    void Reload();
    bool IsTaskbarStart(UINT message) const { return message == taskbarCreated_; }
    static TrayRequest RequestOf(LPARAM notification);

    // Pops up the items of a menu at the pointer, choosable with either button; the item chosen,
    // 0 for none.
    int PopUp(bool changeMenu);
    // Which of the two menus the window's menu bar shows (none: no bar). The pop-ups are only
    // lent to the bar, and taken back before the window goes.
    void ShowInMenuBar(bool fileMenu, bool changeMenu);
    bool ChangeMenuInBar() const { return changeInBar_; }
    void TakeBackMenus();

private:
    static constexpr UINT_PTR kRetryTimer = 2;
    bool Notify(DWORD message);

    HWND window_ = nullptr;
    UINT taskbarCreated_;
    platform::UniqueHIcon icon_;
    platform::UniqueHMenu fileMenu_;
    platform::UniqueHMenu changeMenu_;
    platform::UniqueHMenu bar_;
    bool changeInBar_ = false;
};

}  // namespace dek
