// Figures of a program that stays running: how soon Dek's list follows its folder, and what
// idling costs.
#pragma once

#include <windows.h>

#include <string>

namespace bench {

// Milliseconds from one bitmap copied into the Wall folder of a Dek started normally from
// `folder` (with `rows` wallpapers) until the list shows its row; -1 when it does not, or when any
// other row changed or the list was filled anew. The copy and its record are removed again.
double WatchedCopyTime(const std::wstring& folder, LRESULT rows, const std::wstring& bitmap);

// The processor time (ms) the program uses over 60 s of idling, once its window has shown and
// handled everything sent before; the pointer lies in the screen's top-left corner meanwhile.
double IdleCpuTime(const std::wstring& exe, const std::wstring& folder, const wchar_t* windowClass);

}  // namespace bench
