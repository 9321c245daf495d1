// Driving Dek itself: its main window, controls by id, and its notification-area icon.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

#include "changer/main_window_ids.h"
#include "changer/tray/tray_icon.h"
#include "changer/desktop/change_timer.h"
#include "tests/support/driver.h"
#include "tests/support/program_folder.h"

namespace dektest {

// Dek started from a program folder, with its main window once it exists.
struct Dek {
    Dek(const ProgramFolder& folder, std::wstring_view arguments = {})
        : program(folder.Exe(), arguments, folder.Path()) {}

    // Waits for the main window (created hidden or shown); null if it never came.
    HWND WaitForMainWindow() {
        if (!main) main = program.WaitForWindow(dek::kMainWindowTitle, dek::kMainWindowClass);
        return main;
    }
    HWND Control(int id) { return GetDlgItem(WaitForMainWindow(), id); }
    // Waits until the load step has finished: the hook is installed as its last step.
    bool WaitUntilRunning();

    RunningProgram program;
    HWND main = nullptr;
};

bool TrayIconPresent(HWND mainWindow);

}  // namespace dektest
