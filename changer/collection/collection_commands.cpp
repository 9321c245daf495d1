// The collection's buttons: add, delete, display position, previews and screen-saver settings.
#include "changer/core/main_window.h"

namespace dek {

bool MainWindow::OnCollectionCommand(int) { return false; }

}  // namespace dek
