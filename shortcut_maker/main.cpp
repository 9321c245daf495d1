// DekSet, the shortcut maker: entry point.
#include <windows.h>
#include <commctrl.h>

#include "platform/window.h"
#include "shortcut_maker/shortcut_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    dekset::ShortcutWindow window;
    if (!window.Open()) return 1;
    return platform::RunMessageLoop();
}
