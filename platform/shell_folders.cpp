#include "platform/shell_folders.h"

#include <shlobj.h>

#include "platform/handles.h"

namespace platform {

SpecialFolder SpecialFolderPath(HWND owner, int csidl) {
    PIDLIST_ABSOLUTE list = nullptr;
    const HRESULT hr = SHGetSpecialFolderLocation(owner, csidl, &list);
    UniqueCoTaskMem owned(list);
    if (FAILED(hr)) return {{}, hr};
    if (!list) return {{}, E_FAIL};
    std::wstring path = PathOfItem(list);
    if (path.empty()) return {{}, E_FAIL};
    return {std::move(path), S_OK};
}

std::wstring PathOfItem(PCIDLIST_ABSOLUTE item) {
    // Room for any path the shell can give back, not only MAX_PATH.
    std::wstring path(32768, L'\0');
    if (!SHGetPathFromIDListEx(item, path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT)) return {};
    path.resize(wcslen(path.c_str()));
    return path;
}

}  // namespace platform
