// Starting other programs.
#pragma once

#include <string>

namespace platform {

// Starts a command line as a process of its own, in a normal window, without waiting for it;
// false when it could not be started.
bool StartDetached(std::wstring commandLine);

}  // namespace platform
