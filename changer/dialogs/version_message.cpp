#include "changer/dialogs/version_message.h"

namespace dek {

void ShowVersionMessage(HWND) {}

}  // namespace dek
