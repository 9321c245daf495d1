// Reports the system screen saver as its exit code, seconds * 2 + (1 when active). Tests start it
// afresh for every reading: a process may keep its own copy of system parameters once read.
#include <windows.h>

int wmain() {
    // Under Wine the active state belongs to the display driver; a process that has not touched
    // the display yet answers from the registry instead.
    ReleaseDC(nullptr, GetDC(nullptr));
    UINT seconds = 0;
    BOOL active = FALSE;
    SystemParametersInfoW(SPI_GETSCREENSAVETIMEOUT, 0, &seconds, 0);
    SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    return static_cast<int>(seconds * 2 + (active ? 1 : 0));
}
