// Writing one shortcut file through the shell, and the one error box that reports a failure.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "shortcut_maker/shortcut_plan.h"

namespace dekset {

// A failed step: the number the user is shown and the system's description of it.
struct Failure {
    int32_t number;
    std::wstring description;
};

// A COM result, numbered as it is and described by the system.
Failure FailureOfResult(HRESULT result);
// GetLastError's code as it stands.
Failure FailureOfLastError();

// Description, CR, number; exclamation icon, OK only, the program's title.
void ShowErrorBox(HWND owner, const Failure& failure);

// Fills a shell link object from the request, saves it as "LinkTmp.lnk" in the temporary
// folder, copies that over whatever is at the link path and deletes it. An empty target or link
// path gives false at once, silently. Any other failure is shown in the error box (owned by
// `owner`) and gives false; the copy is the only step that writes at the link path.
bool MakeShortcut(HWND owner, const ShortcutRequest& request);

}  // namespace dekset
