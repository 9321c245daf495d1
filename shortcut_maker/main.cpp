// DekSet, the shortcut maker: entry point.
#include <windows.h>
#include <commctrl.h>

#include "platform/dll_search.h"
#include "platform/single_instance.h"
#include "platform/window.h"
#include "shortcut_maker/control_ids.h"
#include "shortcut_maker/shortcut_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    platform::SearchDllsInSystemFolderOnly();
    // One DekSet window is enough: a later start brings it forward.
    platform::SingleInstance open;
    if (!open.Claim(L"Local\\Dekorin.DekSet", dekset::kWindowClass, true)) return 0;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    dekset::ShortcutWindow window;
    if (!window.Open()) return 1;
    return platform::RunMessageLoop();
}
