#pragma once

#include <windows.h>

#include <string>

namespace platform {

// The system's description of an error code (GetLastError or HRESULT), without trailing line breaks.
std::wstring ErrorText(DWORD code);

// The description of a COM result; a Win32 error wrapped in an HRESULT by its Win32 text, which
// the system knows more often than the wrapped form.
std::wstring ErrorTextOfResult(HRESULT result);

}  // namespace platform
