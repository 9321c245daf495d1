// The icon's notifications, its two pop-up menus, and hiding and restoring the main window.
#include "changer/core/control_ids.h"
#include "changer/core/main_window.h"

namespace dek {

void MainWindow::OnTrayNotification(UINT) {}

bool MainWindow::OnTrayCommand(int id) {
    switch (id) {
    case Command11:
        tuskicon1();
        ShowWindow(hwnd(), SW_HIDE);
        ShowMenus(true, mchangeVisible_);
        return true;
    default:
        return false;
    }
}

}  // namespace dek
