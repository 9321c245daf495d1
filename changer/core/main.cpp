// Dek, the changer: entry point.
#include <windows.h>
#include <commctrl.h>

#include "changer/core/main_window.h"
#include "changer/core/run_mode.h"
#include "platform/handles.h"
#include "platform/window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    platform::ComApartment com;

    dek::MainWindow window;
    switch (window.Load(dek::ArgumentsOf(GetCommandLineW()))) {
    case dek::StartOutcome::Failed:
        return 2;
    case dek::StartOutcome::Finished:
        return 0;
    case dek::StartOutcome::Running:
        break;
    }
    return platform::RunMessageLoop();
}
