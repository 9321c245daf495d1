// Random changes, the change timer's minute count, and the two Change buttons.
#include "changer/core/main_window.h"

namespace dek {

void MainWindow::randomchange() {}
void MainWindow::randomchange1() {}
void MainWindow::randomchange2() {}

void MainWindow::OnTimer() {}

bool MainWindow::OnChangeCommand(int) { return false; }

}  // namespace dek
