// The platform's own dialogs for choosing a file or a folder.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace platform {

// The shell's folder browser, starting at the desktop; only file-system folders can be
// confirmed. The chosen folder's full path, or "" when the user cancelled.
std::wstring BrowseForFolder(HWND owner, std::wstring_view title);

struct OpenFileRequest {
    HWND owner = nullptr;
    std::wstring_view filterName;     // e.g. "画像ファイル"
    std::wstring_view filterPattern;  // e.g. "*.bmp;*.gif;*.jpg"
    std::wstring_view initialFolder;
    std::wstring_view title;
    bool preview = false;  // the form of the dialog with a preview pane (pictures, sounds)
};

// The open-file dialog; an existing file and path are required. An initial folder that does not
// exist, is not a folder or is too long for the dialog is left out. The chosen file's full path,
// or "" when the user cancelled or the dialog failed.
std::wstring OpenFileDialog(const OpenFileRequest& request);

}  // namespace platform
