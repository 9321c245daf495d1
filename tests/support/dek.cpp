#include "tests/support/dek.h"

#include "platform/shell.h"

namespace dektest {

bool Dek::WaitUntilRunning() {
    if (!WaitForMainWindow()) return false;
    // The window accepts dropped files from the second-last step of the load step on. (An answered
    // message proves nothing: the window answers sent messages while the load step itself waits
    // on the shell.)
    if (!WaitFor([&] { return (GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0; })) return false;
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &result) != 0;
}

bool TrayIconPresent(HWND mainWindow) { return platform::NotifyIconExists(mainWindow, dek::TrayIcon::kId); }

}  // namespace dektest
