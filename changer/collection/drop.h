// Files dropped on the main window from the shell.
#pragma once

#include <windows.h>
#include <shellapi.h>

namespace dek {

// Takes the first dropped file into the collection by its extension; the drop is released as
// soon as that file's name has been read.
void TakeDroppedFiles(HWND mainWindow, HDROP drop);

}  // namespace dek
