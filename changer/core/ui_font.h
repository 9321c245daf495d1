// The changer's interface font: a Japanese face by name at 9 points, the size its layouts were
// designed for; where the face is missing, the font mapper picks another by the character set.
#pragma once

#include <windows.h>

#include "platform/window.h"

namespace dek {

inline constexpr platform::FontChoice kInterfaceFont = {L"MS UI Gothic", SHIFTJIS_CHARSET, 9};

}  // namespace dek
