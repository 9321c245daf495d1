#include "platform/common_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>
#include <vfw.h>

#include "platform/com.h"
#include "platform/files.h"
#include "platform/handles.h"
#include "platform/shell_folders.h"

namespace platform {

std::wstring BrowseForFolder(HWND owner, std::wstring_view title) {
    UseCom();
    const std::wstring text(title);
    BROWSEINFOW info = {};
    info.hwndOwner = owner;
    info.lpszTitle = text.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    UniqueCoTaskMem chosen(SHBrowseForFolderW(&info));
    if (!chosen) return {};
    return PathOfItem(static_cast<PCIDLIST_ABSOLUTE>(chosen.get()));
}

std::wstring OpenFileDialog(const OpenFileRequest& request) {
    // Description and pattern, each ended by a NUL, and one more NUL after the last pair.
    const std::wstring filter = std::wstring(request.filterName) + L'\0' + std::wstring(request.filterPattern) + L'\0';
    // A remembered folder that has gone, is no folder, or is longer than the dialog takes would
    // fail the dialog or worse: it then opens in its default place.
    std::wstring initialFolder(request.initialFolder);
    if (initialFolder.size() >= MAX_PATH || LookUpEntry(initialFolder) != EntryKind::Folder) initialFolder.clear();
    const std::wstring title(request.title);
    std::wstring file(32768, L'\0');
    std::wstring fileTitle(MAX_PATH + 1, L'\0');

    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = request.owner;
    ofn.hInstance = GetModuleHandleW(nullptr);
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrFileTitle = fileTitle.data();
    ofn.nMaxFileTitle = static_cast<DWORD>(fileTitle.size());
    ofn.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
    ofn.lpstrTitle = title.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    UseCom();
    const BOOL chosen = request.preview ? GetOpenFileNamePreviewW(&ofn) : GetOpenFileNameW(&ofn);
    if (!chosen) return {};
    file.resize(wcslen(file.c_str()));
    return file;
}

}  // namespace platform
