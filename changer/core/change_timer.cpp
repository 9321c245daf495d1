// Timer1, the change timer: one tick a minute while enabled.
#include "changer/core/control_ids.h"
#include "changer/core/main_window.h"

#ifndef DEK_MINUTE_MS
#define DEK_MINUTE_MS 60000
#endif

namespace dek {

// Enabling a running timer leaves it alone: re-arming it would restart the minute under way.
void MainWindow::SetChangeTimer(bool enabled) {
    if (enabled == changeTimerOn_) return;
    changeTimerOn_ = enabled;
    if (enabled) {
        SetTimer(hwnd(), Timer1, DEK_MINUTE_MS, nullptr);
    } else {
        KillTimer(hwnd(), Timer1);
    }
}

}  // namespace dek
