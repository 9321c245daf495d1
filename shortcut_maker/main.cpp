// DekSet, the shortcut maker: entry point.
#include <windows.h>
#include <commctrl.h>

#include "platform/dll_search.h"
#include "platform/window.h"
#include "shortcut_maker/shortcut_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    platform::SearchDllsInSystemFolderOnly();
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    dekset::ShortcutWindow window;
    if (!window.Open()) return 1;
    return platform::RunMessageLoop();
}
