// The version message of the main window's "ﾊﾞｰｼﾞｮﾝ情報" button.
#pragma once

#include <windows.h>

namespace dek {

void ShowVersionMessage(HWND owner);

}  // namespace dek
