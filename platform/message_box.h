#pragma once

#include <windows.h>

#include <string_view>

namespace platform {

int ShowMessage(HWND owner, std::wstring_view text, std::wstring_view title, UINT style);

}  // namespace platform
