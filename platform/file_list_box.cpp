#include "platform/file_list_box.h"

#include "platform/files.h"

namespace platform {

void FillListBox(HWND listBox, const std::vector<std::wstring>& rows) {
    SendMessageW(listBox, WM_SETREDRAW, FALSE, 0);
    SendMessageW(listBox, LB_RESETCONTENT, 0, 0);
    size_t bytes = 0;
    for (const std::wstring& row : rows) bytes += (row.size() + 1) * sizeof(wchar_t);
    SendMessageW(listBox, LB_INITSTORAGE, rows.size(), static_cast<LPARAM>(bytes));
    for (const std::wstring& row : rows) SendMessageW(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    SendMessageW(listBox, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(listBox, nullptr, TRUE);
}

void FileListBox::SetPath(std::wstring folder) {
    folder_ = std::move(folder);
    Refresh();
}

void FileListBox::Refresh() {
    names_ = ListFiles(folder_, extension_);
    FillListBox(listBox_, names_);
}

int FileListBox::SelectedIndex() const { return static_cast<int>(SendMessageW(listBox_, LB_GETCURSEL, 0, 0)); }

std::wstring FileListBox::SelectedName() const {
    const int index = SelectedIndex();
    return index >= 0 && index < Count() ? names_[static_cast<size_t>(index)] : std::wstring();
}

void FileListBox::Select(int index) { SendMessageW(listBox_, LB_SETCURSEL, static_cast<WPARAM>(index), 0); }

}  // namespace platform
