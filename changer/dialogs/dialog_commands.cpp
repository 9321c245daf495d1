// The detailed-settings dialog and the version message, opened from the main window.
#include "changer/core/control_ids.h"
#include "changer/core/main_window.h"
#include "changer/dialogs/settings_dialog.h"
#include "changer/dialogs/version_message.h"

namespace dek {

bool MainWindow::OnDialogCommand(int id) {
    switch (id) {
    case Command9:
        OpenSettingsDialog(*this);
        return true;
    case Command10:
        ShowVersionMessage(hwnd());
        return true;
    default:
        return false;
    }
}

}  // namespace dek
