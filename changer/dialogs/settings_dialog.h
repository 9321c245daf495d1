// Form3 "詳細設定", the detailed-settings dialog.
#pragma once

namespace dek {

class MainWindow;

// Opens the one settings dialog (not modal), or fills it again when it is already open.
void OpenSettingsDialog(MainWindow& mainWindow);

}  // namespace dek
