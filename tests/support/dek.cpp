#include "tests/support/dek.h"

#include <algorithm>
#include <filesystem>

#include "platform/registry.h"
#include "platform/shell.h"

namespace dektest {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr const wchar_t* kDesktopValues[] = {L"Wallpaper", L"TileWallpaper", L"WallpaperStyle", L"SCRNSAVE.EXE",
                                             L"ScreenSaveActive"};

}  // namespace

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
        value ? SetDesktopValue(name, *value) : void(platform::DeleteRegValue(HKEY_CURRENT_USER, kDesktopKey, name));
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
    for (int i = 0; i < 3; ++i) {
        if (IsChecked(GetDlgItem(dialog, dek::Form4Option1 + i))) return i;
    }
    return -1;
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

}  // namespace dektest
