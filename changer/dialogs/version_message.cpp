#include "changer/dialogs/version_message.h"

#include "changer/dialogs/version_text.h"
#include "platform/message_box.h"

namespace dek {

void ShowVersionMessage(HWND owner) {
    platform::ShowMessage(owner, VersionMessageText(kDekVersion), L"ﾊﾞｰｼﾞｮﾝ情報", MB_OK);
}

}  // namespace dek
