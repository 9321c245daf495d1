#include "platform/process.h"

#include <windows.h>

#include "platform/handles.h"

namespace platform {

bool StartDetached(std::wstring commandLine) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        return false;
    }
    UniqueKernelHandle thread(started.hThread), process(started.hProcess);
    return true;
}

}  // namespace platform
