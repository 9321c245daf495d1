#include "shortcut_maker/folders.h"

#include "platform/common_dialogs.h"

namespace dekset {

platform::SpecialFolder GetSpecialFolder(int csidl) { return platform::SpecialFolderPath(GetDesktopWindow(), csidl); }

std::wstring ChooseFolder(HWND owner, std::wstring_view prompt) { return platform::BrowseForFolder(owner, prompt); }

}  // namespace dekset
