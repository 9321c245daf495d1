#include "platform/file_list_box.h"

#include "platform/files.h"

namespace platform {

void FillListBox(HWND listBox, const std::vector<std::wstring>& rows) {
    // The rows go straight to the list box's own procedure. A subclassed list box (a tooltip
    // subclasses its control) would otherwise pass every row through the subclass chain, which
    // looks up a window property per message: a round trip to the window server under Wine, some
    // 100 µs a row, seconds for a folder of ten thousand files. Subclasses want mouse messages,
    // not these.
    const auto own = reinterpret_cast<WNDPROC>(GetClassLongPtrW(listBox, GCLP_WNDPROC));
    auto send = [&](UINT message, WPARAM wParam, LPARAM lParam) {
        return own ? CallWindowProcW(own, listBox, message, wParam, lParam) : SendMessageW(listBox, message, wParam, lParam);
    };
    send(WM_SETREDRAW, FALSE, 0);
    send(LB_RESETCONTENT, 0, 0);
    size_t bytes = 0;
    for (const std::wstring& row : rows) bytes += (row.size() + 1) * sizeof(wchar_t);
    send(LB_INITSTORAGE, rows.size(), static_cast<LPARAM>(bytes));
    for (const std::wstring& row : rows) send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    send(WM_SETREDRAW, TRUE, 0);
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
