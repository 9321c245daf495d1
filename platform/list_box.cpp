#include "platform/list_box.h"

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

void InsertListRow(HWND listBox, int row, const std::wstring& text) {
    SendMessageW(listBox, LB_INSERTSTRING, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.c_str()));
}

void DeleteListRow(HWND listBox, int row) { SendMessageW(listBox, LB_DELETESTRING, static_cast<WPARAM>(row), 0); }

void SelectListRow(HWND listBox, int row) { SendMessageW(listBox, LB_SETCURSEL, static_cast<WPARAM>(row), 0); }

int SelectedListRow(HWND listBox) { return static_cast<int>(SendMessageW(listBox, LB_GETCURSEL, 0, 0)); }

}  // namespace platform
