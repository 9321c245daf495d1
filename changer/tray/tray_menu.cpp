// The icon's notifications, its two pop-up menus, and hiding and restoring the main window.
#include "changer/core/control_ids.h"
#include "changer/core/main_window.h"

namespace dek {
namespace {

// Broadcast by the shell when the taskbar (re)starts; icons must then be added again.
UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

}  // namespace

// The icon reports the mouse message that happened over it in the low word of lParam of a
// private message, so ordinary mouse moves over the window itself never reach this.
bool MainWindow::OnTrayMessage(UINT message, LPARAM lParam) {
    if (message == TaskbarCreatedMessage()) {
        tuskicon1();
        return true;
    }
    if (message != kTrayCallbackMessage) return false;
    switch (LOWORD(lParam)) {
    case WM_LBUTTONUP:
        MoveOutOfSight();
        PopUp(mchange_.get());
        break;
    case WM_RBUTTONUP:
        MoveOutOfSight();
        PopUp(mfile_.get());
        break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
        CenterAndShow();
        break;
    default:
        break;
    }
    return true;
}

// The window's top-left corner on the screen's bottom-right corner: shown or not, out of sight.
void MainWindow::MoveOutOfSight() { MoveTopLeftTwips(ScreenWidthTwips(), ScreenHeightTwips()); }

void MainWindow::CenterAndShow() {
    CenterOnScreen();
    ShowMenus(false, false);
    ShowWindow(hwnd(), SW_SHOW);
}

// The menu's items pop up at the pointer and can be chosen with either button. The window must
// be in the foreground for the menu to close when the user clicks elsewhere, and the posted
// WM_NULL lets the next click on the icon open it again at once. The chosen item runs before
// this returns, as a click on it would.
void MainWindow::PopUp(HMENU menu) {
    POINT pointer = {};
    GetCursorPos(&pointer);
    SetForegroundWindow(hwnd());
    const int chosen = static_cast<int>(TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_RETURNCMD,
                                                       pointer.x, pointer.y, 0, hwnd(), nullptr));
    PostMessageW(hwnd(), WM_NULL, 0, 0);
    if (chosen != 0) OnCommand(chosen, 0);
}

bool MainWindow::OnTrayCommand(int id) {
    switch (id) {
    case Command11:
        tuskicon1();
        ShowWindow(hwnd(), SW_HIDE);
        ShowMenus(true, mchangeVisible_);
        return true;
    case mresize:
        // Shown where it stands, also out of sight where a pop-up moved it.
        ShowMenus(false, false);
        ShowWindow(hwnd(), SW_SHOW);
        return true;
    default:
        return false;
    }
}

}  // namespace dek
