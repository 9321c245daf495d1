#include "tests/support/driver.h"

#include <thread>

namespace dektest {

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
    const DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

RunningProgram::RunningProgram(const std::wstring& exePath, std::wstring_view arguments,
                               const std::wstring& workingFolder) {
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!arguments.empty()) commandLine += L" " + std::wstring(arguments);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info)) {
        process_.reset(info.hProcess);
        CloseHandle(info.hThread);
        id_ = info.dwProcessId;
        WaitForInputIdle(info.hProcess, 10000);
    }
}

RunningProgram::~RunningProgram() {
    if (process_ && !HasExited()) {
        TerminateProcess(process_.get(), 99);
        WaitForSingleObject(process_.get(), 5000);
    }
}

bool RunningProgram::HasExited() const { return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }

std::optional<DWORD> RunningProgram::WaitForExit(std::chrono::milliseconds deadline) const {
    if (WaitForSingleObject(process_.get(), static_cast<DWORD>(deadline.count())) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

std::vector<HWND> RunningProgram::TopLevelWindows() const {
    struct Search {
        DWORD id;
        std::vector<HWND> found;
    } search{id_, {}};
    EnumWindows(
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner == s->id) s->found.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND RunningProgram::FindWindow(std::wstring_view title, std::wstring_view className) const {
    for (HWND hwnd : TopLevelWindows()) {
        if (WindowText(hwnd) == title && (className.empty() || ClassNameOf(hwnd) == className)) return hwnd;
    }
    return nullptr;
}

HWND RunningProgram::WaitForWindow(std::wstring_view title, std::wstring_view className,
                                   std::chrono::milliseconds deadline) const {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindWindow(title, className)) != nullptr; }, deadline);
    return found;
}

HWND RunningProgram::WaitForMessageBox(std::chrono::milliseconds deadline) const {
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND hwnd : TopLevelWindows()) {
                if (ClassNameOf(hwnd) == L"#32770" && IsWindowVisible(hwnd)) {
                    found = hwnd;
                    return true;
                }
            }
            return false;
        },
        deadline);
    return found;
}

std::wstring WindowText(HWND window) {
    // WM_GETTEXT reaches windows of other processes too (GetWindowText does not for controls).
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(got));
    return text;
}

std::wstring ClassNameOf(HWND window) {
    wchar_t name[256];
    const int n = GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return std::wstring(name, n > 0 ? static_cast<size_t>(n) : 0);
}

HWND FindControlByText(HWND parent, std::wstring_view text, std::wstring_view className) {
    struct Search {
        std::wstring_view text, className;
        HWND found = nullptr;
    } search{text, className};
    EnumChildWindows(
        parent,
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            if (WindowText(hwnd) == s->text &&
                (s->className.empty() || CompareStringOrdinal(ClassNameOf(hwnd).c_str(), -1, std::wstring(s->className).c_str(), -1, TRUE) == CSTR_EQUAL)) {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring MessageBoxText(HWND box) {
    std::wstring text;
    EnumChildWindows(
        box,
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto* out = reinterpret_cast<std::wstring*>(lParam);
            if (CompareStringOrdinal(ClassNameOf(hwnd).c_str(), -1, L"Static", -1, TRUE) == CSTR_EQUAL) {
                const std::wstring part = WindowText(hwnd);
                if (!part.empty()) {
                    if (!out->empty()) *out += L"\n";
                    *out += part;
                }
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&text));
    return text;
}

void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

void ClickMenuItem(HWND window, int id) { PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

bool IsEnabled(HWND control) { return IsWindowEnabled(control) != FALSE; }

bool IsChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::vector<std::wstring> ListRows(HWND listBox) {
    std::vector<std::wstring> rows;
    const LRESULT count = SendMessageW(listBox, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(listBox, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring row(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
        const LRESULT got = SendMessageW(listBox, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(row.data()));
        row.resize(static_cast<size_t>(got > 0 ? got : 0));
        rows.push_back(row);
    }
    return rows;
}

int ListSelection(HWND listBox) { return static_cast<int>(SendMessageW(listBox, LB_GETCURSEL, 0, 0)); }

int ComboSelection(HWND comboBox) { return static_cast<int>(SendMessageW(comboBox, CB_GETCURSEL, 0, 0)); }

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
