#pragma once

#include <windows.h>

#include <string>

namespace platform {

// The system's description of an error code (GetLastError or HRESULT), without trailing line breaks.
std::wstring ErrorText(DWORD code);

}  // namespace platform
