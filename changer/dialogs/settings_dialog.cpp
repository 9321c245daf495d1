#include "changer/dialogs/settings_dialog.h"

namespace dek {

void OpenSettingsDialog(MainWindow&) {}

}  // namespace dek
