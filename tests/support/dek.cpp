#include "tests/support/dek.h"

#include <algorithm>
#include <thread>

#include "platform/registry.h"
#include "platform/shell.h"

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

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr const wchar_t* kDesktopValues[] = {L"Wallpaper", L"TileWallpaper", L"WallpaperStyle", L"SCRNSAVE.EXE",
                                             L"ScreenSaveActive"};

}  // namespace

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds deadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(20ms);
    }
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

std::wstring ClassNameOf(HWND window) {
    wchar_t name[256];
    return std::wstring(name, static_cast<size_t>(std::max(GetClassNameW(window, name, 256), 0)));
}

std::wstring MessageBoxText(HWND box) {
    std::wstring text;
    for (HWND child : Windows(box)) {
        const std::wstring part = IsClass(child, L"Static") ? WindowText(child) : L"";
        if (!part.empty()) text += (text.empty() ? L"" : L"\n") + part;
    }
    return text;
}

bool IsChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }
int ListSelection(HWND listBox) { return static_cast<int>(SendMessageW(listBox, LB_GETCURSEL, 0, 0)); }

std::vector<std::wstring> ListRows(HWND listBox) {
    std::vector<std::wstring> rows(static_cast<size_t>(std::max<LRESULT>(SendMessageW(listBox, LB_GETCOUNT, 0, 0), 0)));
    for (size_t i = 0; i < rows.size(); ++i) {  // each text with its NUL in the string's own room for one
        rows[i].resize(static_cast<size_t>(SendMessageW(listBox, LB_GETTEXTLEN, i, 0)));
        SendMessageW(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(rows[i].data()));
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

bool TrayIconPresent(HWND mainWindow) { return platform::NotifyIconExists(mainWindow, dek::TrayIcon::kId); }

std::optional<std::wstring> DesktopValue(std::wstring_view name) {
    return platform::ReadRegString(HKEY_CURRENT_USER, kDesktopKey, name);
}

void SetDesktopValue(std::wstring_view name, std::wstring_view text) {
    platform::SetRegString(HKEY_CURRENT_USER, kDesktopKey, name, text);
}

std::optional<std::wstring> SystemIniScreenSaver() {
    wchar_t text[1024];
    GetPrivateProfileStringW(L"boot", L"SCRNSAVE.EXE", L"<absent>", text, 1024, L"system.ini");
    return std::wstring_view(text) == L"<absent>" ? std::nullopt : std::optional<std::wstring>(text);
}

void SetSystemIniScreenSaver(const std::optional<std::wstring>& text) {
    WritePrivateProfileStringW(L"boot", L"SCRNSAVE.EXE", text ? text->c_str() : nullptr, L"system.ini");
}

ChangerStateGuard::ChangerStateGuard() : systemIni_(SystemIniScreenSaver()) {
    ResetDekSettings();
    for (const wchar_t* name : kDesktopValues) desktop_[name] = DesktopValue(name);
    SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &screenSaveActive_, 0);
}

ChangerStateGuard::~ChangerStateGuard() {
    ResetDekSettings();
    for (const auto& [name, value] : desktop_) {
        value ? SetDesktopValue(name, *value) : void(RemoveRegistryValue(HKEY_CURRENT_USER, kDesktopKey, name));
    }
    SetSystemIniScreenSaver(systemIni_);
    // The desktop itself as it was, not only its values: on Windows the wallpaper a test applied
    // would otherwise stay on the developer's screen.
    std::wstring wallpaper = desktop_[L"Wallpaper"].value_or(L"");
    SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, wallpaper.data(), SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE);
    SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, screenSaveActive_, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE);
}

SettingChangeWatcher::SettingChangeWatcher() {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"DekTestSettingChangeWatcher";
    RegisterClassW(&wc);  // fails harmlessly for a second watcher in the same process
    // A top-level window, not a message-only one: broadcasts reach top-level windows only.
    window_ = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

SettingChangeWatcher::~SettingChangeWatcher() { DestroyWindow(window_); }

LRESULT CALLBACK SettingChangeWatcher::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<SettingChangeWatcher*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message != WM_SETTINGCHANGE || !self) return DefWindowProcW(hwnd, message, wParam, lParam);
    self->changes_.push_back({static_cast<UINT>(wParam), DesktopValue(L"Wallpaper"), DesktopValue(L"TileWallpaper"),
                              DesktopValue(L"WallpaperStyle"), SystemIniScreenSaver(), DesktopValue(L"ScreenSaveActive")});
    return 0;
}

std::vector<SettingChange> SettingChangeWatcher::Of(UINT action) const {
    std::vector<SettingChange> found;
    std::copy_if(changes_.begin(), changes_.end(), std::back_inserter(found), [&](auto& c) { return c.action == action; });
    return found;
}

std::vector<std::wstring> SettingChangeWatcher::Applied(UINT action) const {
    std::vector<std::wstring> applied;
    for (const SettingChange& c : Of(action)) {
        applied.push_back((action == SPI_SETDESKWALLPAPER ? c.wallpaper : c.screenSaver).value_or(L""));
    }
    return applied;
}

int SelectedPosition(HWND dialog) {
    for (int i = 0; i < 5; ++i) {
        if (IsChecked(GetDlgItem(dialog, dek::PositionOption(static_cast<dek::DisplayPosition>(i))))) return i;
    }
    return -1;
}

RunningProgram::RunningProgram(const std::wstring& exe, std::wstring_view arguments) {
    std::wstring commandLine = L"\"" + exe + L"\" " + std::wstring(arguments), folder = exe.substr(0, exe.rfind(L'\\'));
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION info = {};
    if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &info)) {
        process.reset(info.hProcess), CloseHandle(info.hThread), thread = info.dwThreadId;
    }
}

RunningProgram::~RunningProgram() {
    const auto close = [](HWND window, LPARAM) { return PostMessageW(window, WM_CLOSE, 0, 0); };
    if (process && !WaitFor([&] { return EnumThreadWindows(thread, close, 0), HasEnded(); }, 5s)) TerminateProcess(process.get(), 99);
    WaitForSingleObject(process.get(), 5000);
}

std::optional<DWORD> RunningProgram::ExitCode() {
    const auto ended = [&] { if (HWND box = FindWindowW(L"#32770", L"Dekorin")) PostMessageW(box, WM_COMMAND, IDOK, 0); return HasEnded(); };
    DWORD code = 0;
    return WaitFor(ended) && GetExitCodeProcess(process.get(), &code) ? std::optional(code) : std::nullopt;
}

int WindowCount(const wchar_t* className) {
    int count = 0;
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, className, nullptr)); ++count) {}
    return count;
}

namespace {

std::wstring KindOf(HWND control) {
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
    if (IsClass(control, L"Button")) {
        switch (style & BS_TYPEMASK) {
        case BS_AUTOCHECKBOX:
        case BS_CHECKBOX: return L"check";
        case BS_AUTORADIOBUTTON:
        case BS_RADIOBUTTON: return L"option";
        case BS_GROUPBOX: return L"frame";
        default: return L"button";
        }
    }
    if (IsClass(control, L"Static")) return (style & SS_TYPEMASK) == SS_BITMAP ? L"picture" : L"label";
    if (IsClass(control, L"Edit")) return L"edit";
    if (IsClass(control, L"ListBox")) return L"list";
    if (IsClass(control, L"ComboBox")) return L"combo";
    return ClassNameOf(control);
}

std::wstring Items(HWND control) {
    std::vector<std::wstring> items;
    if (IsClass(control, L"ListBox")) items = ListRows(control);
    if (IsClass(control, L"ComboBox")) {
        for (LRESULT i = 0, n = SendMessageW(control, CB_GETCOUNT, 0, 0); i < n; ++i) {
            std::wstring item(static_cast<size_t>(SendMessageW(control, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
            item.resize(static_cast<size_t>(SendMessageW(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
            items.push_back(item);
        }
    }
    std::wstring text;
    for (const std::wstring& item : items) text += L" [" + item + L"]";
    if (IsClass(control, L"ListBox") && ListSelection(control) >= 0) text += L" selected " + std::to_wstring(ListSelection(control));
    return text;
}

}  // namespace

std::wstring Snapshot(HWND window) {
    const SIZE client = ClientSize(window);
    std::wstring text = L"window \"" + WindowText(window) + L"\" " + std::to_wstring(client.cx) + L"x" +
                        std::to_wstring(client.cy) + L"\n";
    for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        RECT r = WindowRectOf(control);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
        text += std::to_wstring(GetDlgCtrlID(control)) + L" " + KindOf(control) + L" \"" + WindowText(control) + L"\" " +
                std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L" " + std::to_wstring(r.right - r.left) + L"x" +
                std::to_wstring(r.bottom - r.top) + (IsWindowEnabled(control) ? L"" : L" disabled") +
                (IsWindowVisible(control) ? L"" : L" hidden") + (IsChecked(control) ? L" checked" : L"") + Items(control) +
                L"\n";
    }
    // What Tab walks through; a stop that is not to be seen (hidden, or outside the client area) is marked "!".
    text += L"keyboard:";
    const HWND first = GetNextDlgTabItem(window, nullptr, FALSE);
    HWND stop = first;
    for (int n = 0; stop && n < 100; ++n) {
        RECT r = WindowRectOf(stop);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
        const bool seen = IsWindowVisible(stop) && r.left >= 0 && r.top >= 0 && r.right <= client.cx && r.bottom <= client.cy;
        text += L" " + std::to_wstring(GetDlgCtrlID(stop)) + (seen ? L"" : L"!");
        if ((stop = GetNextDlgTabItem(window, stop, FALSE)) == first) break;
    }
    return text + L"\n";
}

void ExpectSnapshot(const std::wstring& actual, std::wstring_view name) {
    const std::wstring path = platform::ProgramFolder() + L"\\test-data\\snapshots\\" + std::wstring(name);
    std::string shown(actual.size() * 4, '\0'), expected = ReadFile(path + L".txt");
    shown.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, actual.data(), static_cast<int>(actual.size()),
                                                         shown.data(), static_cast<int>(shown.size()), nullptr, nullptr)));
    std::erase(expected, '\r');
    if (shown == expected) return;
    WriteFile(path + L".actual.txt", shown);  // to compare, or to take over
    const size_t at = static_cast<size_t>(std::mismatch(shown.begin(), shown.end(), expected.begin(), expected.end()).first - shown.begin());
    ADD_FAILURE() << "The window differs from " << testing::PrintToString(path) << ".txt from here:\n"
                  << shown.substr(at == 0 ? 0 : shown.rfind('\n', at - 1) + 1, 300);
}

}  // namespace dektest
