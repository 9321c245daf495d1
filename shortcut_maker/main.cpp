// DekSet, the shortcut maker: entry point.
#include <windows.h>
#include <commctrl.h>

#include "platform/handles.h"
#include "platform/window.h"
#include "shortcut_maker/pro2_form1.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    // The shell link object and the folder browser both need COM on this thread.
    platform::ComApartment com;

    dekset::Pro2Form1 form;
    if (!form.Load()) return 1;
    return platform::RunMessageLoop();
}
