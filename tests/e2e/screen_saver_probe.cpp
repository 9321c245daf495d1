// Reports the system screen saver's time-out and active state as its exit code:
// seconds * 2 + (1 when active). Tests start it afresh for every reading, because a process may
// keep its own copy of system parameters once it has read them, and the program under test
// changes them from another process.
#include <windows.h>

int wmain() {
    // Under Wine the active state belongs to the display driver (the X screen saver), and a
    // process that has not touched the display yet answers from the registry instead.
    ReleaseDC(nullptr, GetDC(nullptr));
    UINT seconds = 0;
    BOOL active = FALSE;
    SystemParametersInfoW(SPI_GETSCREENSAVETIMEOUT, 0, &seconds, 0);
    SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    return static_cast<int>(seconds * 2 + (active ? 1 : 0));
}
