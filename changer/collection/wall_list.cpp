// The wallpaper list List1, the file lists File1 and File2, and the selection the buttons act on.
#include "changer/core/main_window.h"

namespace dek {

void MainWindow::SetWallList() {}

bool MainWindow::OnListCommand(int, int) { return false; }

}  // namespace dek
