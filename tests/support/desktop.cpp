#include "tests/support/desktop.h"

#include <chrono>
#include <filesystem>

#include "platform/files.h"
#include "platform/registry.h"
#include "tests/support/driver.h"

namespace dektest {
namespace {

constexpr const wchar_t* kGuardedValues[] = {L"Wallpaper", L"TileWallpaper", L"WallpaperStyle", L"SCRNSAVE.EXE",
                                             L"ScreenSaveActive"};
constexpr wchar_t kWatcherClass[] = L"DekTestSettingChangeWatcher";

void PostMouse(HWND listBox, UINT message, WPARAM keys, int row) {
    SendMessageW(listBox, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    const LRESULT top = SendMessageW(listBox, LB_GETTOPINDEX, 0, 0);
    const LRESULT height = SendMessageW(listBox, LB_GETITEMHEIGHT, static_cast<WPARAM>(row), 0);
    const int y = static_cast<int>((row - top) * height + height / 2);
    PostMessageW(listBox, message, keys, MAKELPARAM(8, y));
}

}  // namespace

std::optional<std::wstring> DesktopValue(std::wstring_view name) {
    return platform::ReadRegString(HKEY_CURRENT_USER, kDesktopKey, name);
}

void SetDesktopValue(std::wstring_view name, std::wstring_view text) {
    platform::SetRegString(HKEY_CURRENT_USER, kDesktopKey, name, text);
}

std::optional<std::wstring> SystemIniScreenSaver() {
    constexpr wchar_t kAbsent[] = L"<absent>";
    wchar_t text[1024];
    GetPrivateProfileStringW(L"boot", L"SCRNSAVE.EXE", kAbsent, text, static_cast<DWORD>(std::size(text)), L"system.ini");
    if (std::wstring_view(text) == kAbsent) return std::nullopt;
    return std::wstring(text);
}

void SetSystemIniScreenSaver(const std::optional<std::wstring>& text) {
    WritePrivateProfileStringW(L"boot", L"SCRNSAVE.EXE", text ? text->c_str() : nullptr, L"system.ini");
}

DesktopGuard::DesktopGuard() {
    for (const wchar_t* name : kGuardedValues) values_[name] = DesktopValue(name);
    systemIni_ = SystemIniScreenSaver();
}

DesktopGuard::~DesktopGuard() {
    for (const auto& [name, value] : values_) {
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
    wc.lpszClassName = kWatcherClass;
    RegisterClassW(&wc);  // fails harmlessly for a second watcher in the same process
    // A top-level window, not a message-only one: broadcasts reach top-level windows only.
    window_ = CreateWindowExW(0, kWatcherClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, this);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

SettingChangeWatcher::~SettingChangeWatcher() {
    if (window_) DestroyWindow(window_);
}

LRESULT CALLBACK SettingChangeWatcher::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTINGCHANGE) {
        if (auto* self = reinterpret_cast<SettingChangeWatcher*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) {
            SettingChange change;
            change.action = static_cast<UINT>(wParam);
            change.wallpaper = DesktopValue(L"Wallpaper");
            change.tileWallpaper = DesktopValue(L"TileWallpaper");
            change.wallpaperStyle = DesktopValue(L"WallpaperStyle");
            change.screenSaver = SystemIniScreenSaver();
            change.screenSaveActive = DesktopValue(L"ScreenSaveActive");
            self->changes_.push_back(std::move(change));
        }
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void SettingChangeWatcher::Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool SettingChangeWatcher::WaitFor(UINT action, size_t count) {
    return dektest::WaitFor([&] {
        Pump();
        return Of(action).size() >= count;
    });
}

std::vector<SettingChange> SettingChangeWatcher::Of(UINT action) const {
    std::vector<SettingChange> found;
    for (const SettingChange& change : changes_) {
        if (change.action == action) found.push_back(change);
    }
    return found;
}

std::optional<DWORD> CloseAndWait(Dek& dek) {
    if (HWND main = dek.WaitForMainWindow()) PostMessageW(main, WM_CLOSE, 0, 0);
    const HANDLE process = dek.program.Process();
    const auto end = std::chrono::steady_clock::now() + kDeadline;
    while (std::chrono::steady_clock::now() < end) {
        const DWORD wait = MsgWaitForMultipleObjects(1, &process, FALSE, 100, QS_ALLINPUT | QS_SENDMESSAGE);
        if (wait == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process, &code);
            return code;
        }
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    return std::nullopt;
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

std::string BitmapBytes(int width, int height, uint32_t rgb) {
    const int rowSize = (width * 3 + 3) & ~3;
    const uint32_t pixelBytes = static_cast<uint32_t>(rowSize * height);
    std::string bytes(54 + pixelBytes, '\0');
    auto put = [&](size_t at, uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, 54 + pixelBytes, 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<uint32_t>(width), 4);
    put(22, static_cast<uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(34, pixelBytes, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const size_t at = 54 + static_cast<size_t>(y * rowSize + x * 3);
            bytes[at] = static_cast<char>(rgb & 0xFF);
            bytes[at + 1] = static_cast<char>((rgb >> 8) & 0xFF);
            bytes[at + 2] = static_cast<char>((rgb >> 16) & 0xFF);
        }
    }
    return bytes;
}

std::wstring ShortPathOf(const std::wstring& path) { return platform::ShortPathOf(path); }

void UseQuickTimer(const ProgramFolder& folder) {
    std::filesystem::copy_file(BinFolder() + L"\\DekQuickTimer.exe", folder.Exe(),
                               std::filesystem::copy_options::overwrite_existing);
}

void SetDekSetting(std::wstring_view key, std::wstring_view text) {
    platform::SetRegString(HKEY_CURRENT_USER, kSettingsKey, key, text);
}

}  // namespace dektest
