// Putting the icon into the notification area and taking it out.
#include "changer/core/control_ids.h"
#include "changer/core/main_window.h"
#include "platform/shell.h"

namespace dek {
namespace {

platform::NotifyIcon IconRecord(const MainWindow& window) {
    platform::NotifyIcon icon;
    icon.window = window.hwnd();
    icon.id = kTrayIconId;
    icon.callbackMessage = kTrayCallbackMessage;
    // The picture held by Image1 is the icon.
    icon.icon = reinterpret_cast<HICON>(SendMessageW(window.Control(Image1), STM_GETICON, 0, 0));
    icon.tip = L"DEK";
    return icon;
}

}  // namespace

// Adding an icon that is already there fails without effect: there is only ever one.
void MainWindow::tuskicon1() { platform::AddNotifyIcon(IconRecord(*this)); }

void MainWindow::tuskicon2() { platform::DeleteNotifyIcon(IconRecord(*this)); }

}  // namespace dek
