// Files dropped on the main window from the shell.
#pragma once

#include <windows.h>
#include <shellapi.h>

namespace dek {

// Takes the first dropped file into the collection by its extension, then releases the drop.
void TakeDroppedFiles(HWND mainWindow, HDROP drop);

}  // namespace dek
