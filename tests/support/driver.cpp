#include "tests/support/driver.h"

#include <thread>

namespace dektest {
namespace {

// Every child window of `parent`, at any depth.
std::vector<HWND> Windows(HWND parent) {
    std::vector<HWND> found;
    auto add = [](HWND hwnd, LPARAM list) -> BOOL { return reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd), TRUE; };
    EnumChildWindows(parent, add, reinterpret_cast<LPARAM>(&found));
    return found;
}

bool IsClass(HWND window, const wchar_t* name) {
    return CompareStringOrdinal(ClassNameOf(window).c_str(), -1, name, -1, TRUE) == CSTR_EQUAL;
}

}  // namespace

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds deadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(20ms);
    }
}

std::wstring BinFolder() {
    wchar_t path[MAX_PATH * 4];
    const std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH * 4));
    return self.substr(0, self.find_last_of(L"\\/"));
}

std::wstring WindowText(HWND window) {
    // WM_GETTEXT reaches controls of other processes too (GetWindowText does not).
    std::wstring text(static_cast<size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

std::wstring ClassNameOf(HWND window) {
    wchar_t name[256];
    return std::wstring(name, static_cast<size_t>(std::max(GetClassNameW(window, name, 256), 0)));
}

HWND FindControlByText(HWND parent, std::wstring_view text, std::wstring_view className) {
    for (HWND child : Windows(parent)) {
        if (WindowText(child) == text && (className.empty() || IsClass(child, std::wstring(className).c_str()))) return child;
    }
    return nullptr;
}

std::wstring MessageBoxText(HWND box) {
    std::wstring text;
    for (HWND child : Windows(box)) {
        const std::wstring part = IsClass(child, L"Static") ? WindowText(child) : L"";
        if (!part.empty()) text += (text.empty() ? L"" : L"\n") + part;
    }
    return text;
}

bool IsEnabled(HWND control) { return IsWindowEnabled(control) != FALSE; }
bool IsChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }
int ListSelection(HWND listBox) { return static_cast<int>(SendMessageW(listBox, LB_GETCURSEL, 0, 0)); }

std::vector<std::wstring> ListRows(HWND listBox) {
    std::vector<std::wstring> rows(static_cast<size_t>(std::max<LRESULT>(SendMessageW(listBox, LB_GETCOUNT, 0, 0), 0)));
    // The list may change meanwhile: a row gone reads as empty.
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].resize(static_cast<size_t>(std::max<LRESULT>(SendMessageW(listBox, LB_GETTEXTLEN, i, 0), 0)) + 1);
        const LRESULT got = SendMessageW(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(rows[i].data()));
        rows[i].resize(static_cast<size_t>(std::max<LRESULT>(got, 0)));
    }
    return rows;
}

SIZE ClientSize(HWND window) {
    RECT r = {};
    GetClientRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

RECT WindowRectOf(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

}  // namespace dektest
