// The detailed-settings dialog and the version message, opened from the main window.
#include "changer/core/main_window.h"

namespace dek {

bool MainWindow::OnDialogCommand(int) { return false; }

}  // namespace dek
