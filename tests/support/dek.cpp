#include "tests/support/dek.h"

#include <algorithm>
#include <filesystem>

#include "platform/files.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "tests/support/drop_hook.h"

namespace dektest {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr const wchar_t* kDesktopValues[] = {L"Wallpaper", L"TileWallpaper", L"WallpaperStyle", L"SCRNSAVE.EXE",
                                             L"ScreenSaveActive"};

void PostMouse(HWND listBox, UINT message, WPARAM keys, int row) {
    SendMessageW(listBox, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    const LRESULT top = SendMessageW(listBox, LB_GETTOPINDEX, 0, 0);
    const LRESULT height = SendMessageW(listBox, LB_GETITEMHEIGHT, static_cast<WPARAM>(row), 0);
    PostMessageW(listBox, message, keys, MAKELPARAM(8, static_cast<int>((row - top) * height + height / 2)));
}

}  // namespace

HWND Dek::WaitForMainWindow() {
    if (!main) main = program.WaitForWindow(dek::kMainWindowTitle, dek::kMainWindowClass);
    return main;
}

bool Dek::WaitUntilRunning() {
    return WaitForMainWindow() &&
           WaitFor([&] { return (GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0; }) && Settled(main);
}

std::optional<DWORD> Dek::CloseAndWait() {
    if (WaitForMainWindow()) PostMessageW(main, WM_CLOSE, 0, 0);
    const HANDLE process = program.Process();
    const auto end = std::chrono::steady_clock::now() + kDeadline;
    while (std::chrono::steady_clock::now() < end) {
        if (MsgWaitForMultipleObjects(1, &process, FALSE, 100, QS_ALLINPUT) == WAIT_OBJECT_0) return program.WaitForExit();
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    return std::nullopt;
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

void DekTest::SetUp() {
    ResetDekSettings();
    for (const wchar_t* name : kDesktopValues) desktop_[name] = DesktopValue(name);
    systemIni_ = SystemIniScreenSaver();
}

void DekTest::TearDown() {
    ResetDekSettings();
    for (const auto& [name, value] : desktop_) {
        if (value) {
            SetDesktopValue(name, *value);
        } else {
            platform::DeleteRegValue(HKEY_CURRENT_USER, kDesktopKey, name);
        }
    }
    SetSystemIniScreenSaver(systemIni_);
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

bool SettingChangeWatcher::WaitFor(UINT action, size_t count) {
    return dektest::WaitFor([&] { return Of(action).size() >= count; });
}

std::vector<SettingChange> SettingChangeWatcher::Of(UINT action) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    std::vector<SettingChange> found;
    std::copy_if(changes_.begin(), changes_.end(), std::back_inserter(found), [&](auto& c) { return c.action == action; });
    return found;
}

std::vector<std::wstring> SettingChangeWatcher::Wallpapers() {
    std::vector<std::wstring> applied;
    for (const SettingChange& c : Of(SPI_SETDESKWALLPAPER)) applied.push_back(c.wallpaper.value_or(L""));
    return applied;
}

std::vector<std::wstring> SettingChangeWatcher::ScreenSavers() {
    std::vector<std::wstring> applied;
    for (const SettingChange& c : Of(SPI_SETSCREENSAVEACTIVE)) applied.push_back(c.screenSaver.value_or(L""));
    return applied;
}

void ClickListRow(HWND listBox, int row) {
    PostMouse(listBox, WM_LBUTTONDOWN, MK_LBUTTON, row);
    PostMouse(listBox, WM_LBUTTONUP, 0, row);
}

void DoubleClickListRow(HWND listBox, int row) {
    ClickListRow(listBox, row);
    PostMouse(listBox, WM_LBUTTONDBLCLK, MK_LBUTTON, row);
    PostMouse(listBox, WM_LBUTTONUP, 0, row);
}

bool ClickRowThen(HWND listBox, int row, HWND button) {
    ClickListRow(listBox, row);
    if (!WaitFor([&] { return ListSelection(listBox) == row && IsEnabled(button); })) return false;
    Click(button);
    return true;
}

bool Settled(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored) != 0;
}

bool DropFiles(Dek& dek, const ProgramFolder& folder, const std::vector<std::wstring>& paths) {
    const DWORD threadId = GetWindowThreadProcessId(dek.WaitForMainWindow(), nullptr);
    HMODULE dll = LoadLibraryW((BinFolder() + L"\\" + kDropHookDll).c_str());
    auto* proc = dll ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(dll, kDropHookProcName))) : nullptr;
    HHOOK hook = proc && threadId ? SetWindowsHookExW(WH_GETMESSAGE, proc, dll, threadId) : nullptr;
    std::wstring list;
    for (const std::wstring& path : paths) list += path + L'\0';
    list += L'\0';
    const std::wstring request = folder / kDropRequestFile;
    WriteFile(request, {reinterpret_cast<const char*>(list.data()), list.size() * sizeof(wchar_t)});
    PostMessageW(dek.main, RegisterWindowMessageW(kDropTriggerMessage), 0, 0);
    const bool taken = hook && WaitFor([&] { return !Exists(request); });
    if (hook) UnhookWindowsHookEx(hook);
    if (dll) FreeLibrary(dll);
    return taken;
}

HWND PositionDialog(const RunningProgram& program) {
    HWND dialog = program.FindWindow(dek::kPositionDialogTitle, dek::kPositionDialogClass);
    return dialog && IsWindowVisible(dialog) ? dialog : nullptr;
}

HWND WaitForPositionDialog(const RunningProgram& program) {
    HWND dialog = nullptr;
    return WaitFor([&] { return (dialog = PositionDialog(program)) != nullptr; }), dialog;
}

int SelectedPosition(HWND dialog) {
    for (int i = 0; i < 3; ++i) {
        if (IsChecked(GetDlgItem(dialog, dek::Form4Option1 + i))) return i;
    }
    return -1;
}

bool AnswerPosition(const RunningProgram& program, HWND dialog, int position, bool closeBox) {
    if (position >= 0) {
        Click(GetDlgItem(dialog, dek::Form4Option1 + position));
        if (!WaitFor([&] { return SelectedPosition(dialog) == position; })) return false;
    }
    closeBox ? PostMessageW(dialog, WM_CLOSE, 0, 0) : PostMessageW(GetDlgItem(dialog, dek::Form4Command1), BM_CLICK, 0, 0);
    return WaitFor([&] { return !PositionDialog(program); });
}

bool AnswerOpenDialog(const RunningProgram& program, std::wstring_view title, std::wstring_view typed) {
    HWND dialog = nullptr;
    if (!WaitFor([&] { return (dialog = program.FindWindow(title, L"#32770")) && IsWindowVisible(dialog); })) return false;
    // The file-name box: a combo box (cmb13) with an edit inside, or a plain edit (edt1).
    HWND name = GetDlgItem(dialog, 0x47c) ? GetDlgItem(dialog, 0x47c) : GetDlgItem(dialog, 0x480);
    if (!typed.empty()) SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::wstring(typed).c_str()));
    Click(GetDlgItem(dialog, typed.empty() ? IDCANCEL : IDOK));
    return WaitFor([&] { return !IsWindow(dialog); });
}

std::wstring AnswerMessageBox(const RunningProgram& program) {
    HWND box = program.WaitForMessageBox();
    if (!box) return L"";
    const std::wstring text = MessageBoxText(box);
    Click(FindControlByText(box, L"OK"));
    WaitFor([&] { return !IsWindow(box); });
    return text;
}

std::vector<std::wstring> FolderNames(const std::wstring& folder) {
    std::vector<std::wstring> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().wstring());
    std::sort(names.begin(), names.end());
    return names;
}

std::wstring RecordedCommandLine(const std::wstring& program) {
    const std::string bytes = ReadFile(program + L".cmdline");
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

void UseQuickTimer(const ProgramFolder& folder) {
    std::filesystem::copy_file(BinFolder() + L"\\DekQuickTimer.exe", folder.Exe(),
                               std::filesystem::copy_options::overwrite_existing);
}

}  // namespace dektest
