#include "platform/display_monitors.h"

#include <windows.h>

namespace platform {

std::vector<Monitor> DisplayMonitors() {
    std::vector<Monitor> monitors;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, RECT*, LPARAM found) -> BOOL {
            MONITORINFO info = {sizeof info};
            if (GetMonitorInfoW(monitor, &info)) {
                const RECT& r = info.rcMonitor;
                reinterpret_cast<std::vector<Monitor>*>(found)->push_back(
                    {{r.left, r.top, r.right, r.bottom}, (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

}  // namespace platform
