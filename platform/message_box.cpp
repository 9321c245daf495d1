#include "platform/message_box.h"

#include <string>

namespace platform {

int ShowMessage(HWND owner, std::wstring_view text, std::wstring_view title, UINT style) {
    return MessageBoxW(owner, std::wstring(text).c_str(), std::wstring(title).c_str(), style);
}

}  // namespace platform
