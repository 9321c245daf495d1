// The program's version numbers and the text of its version message. No windows.h.
#pragma once

#include <cstdint>
#include <string>

#include "dek_version.h"

namespace dek {

struct ProgramVersion {
    int16_t major;
    int16_t minor;
    int16_t revision;
};

// Dek's version, as the project gives it.
inline constexpr ProgramVersion kDekVersion = {DEK_VERSION_MAJOR, DEK_VERSION_MINOR, DEK_VERSION_REVISION};

inline constexpr wchar_t kVersionMessageTitle[] = L"ﾊﾞｰｼﾞｮﾝ情報";

// "Dekorin Ver." & major & "." & minor & revision: no padding, and no separator between minor
// and revision (1, 4, 4 gives 1.44).
std::wstring VersionMessageText(const ProgramVersion& version);

}  // namespace dek
