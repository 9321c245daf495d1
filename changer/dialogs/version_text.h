// The program's version numbers and the text of its version message. No windows.h.
#pragma once

#include <cstdint>
#include <string>

namespace dek {

struct ProgramVersion {
    int16_t major;
    int16_t minor;
    int16_t revision;
};

// Dek's version; resources/dek.rc carries the same numbers as the file version 1.4.0.4.
inline constexpr ProgramVersion kDekVersion = {1, 4, 4};

inline constexpr wchar_t kVersionMessageTitle[] = L"ﾊﾞｰｼﾞｮﾝ情報";

// "Dekorin Ver." & major & "." & minor & revision: no padding, and no separator between minor
// and revision (1, 4, 4 gives 1.44).
std::wstring VersionMessageText(const ProgramVersion& version);

}  // namespace dek
