// The system state the changer acts on, seen from a test: the desktop's registry values, the
// screen saver in system.ini, the announcements of setting changes; and clicks on list rows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/handles.h"
#include "tests/support/dek.h"
#include "tests/support/program_folder.h"

namespace dektest {

// HKEY_CURRENT_USER\Control Panel\Desktop.
inline constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
std::optional<std::wstring> DesktopValue(std::wstring_view name);
void SetDesktopValue(std::wstring_view name, std::wstring_view text);

// [boot] SCRNSAVE.EXE of system.ini in the Windows folder; nullopt when the key is absent.
std::optional<std::wstring> SystemIniScreenSaver();
void SetSystemIniScreenSaver(const std::optional<std::wstring>& text);

// Saves what applying a wallpaper or a screen saver changes and puts it back when it ends: the
// desktop values "Wallpaper", "TileWallpaper", "WallpaperStyle", "SCRNSAVE.EXE",
// "ScreenSaveActive" and [boot] SCRNSAVE.EXE of system.ini.
class DesktopGuard {
public:
    DesktopGuard();
    DesktopGuard(const DesktopGuard&) = delete;
    DesktopGuard& operator=(const DesktopGuard&) = delete;
    ~DesktopGuard();

private:
    std::map<std::wstring, std::optional<std::wstring>> values_;
    std::optional<std::wstring> systemIni_;
};

// The desktop values as they stood when an announcement of a changed setting arrived.
struct SettingChange {
    UINT action = 0;  // the SPI_ constant of the change
    std::optional<std::wstring> wallpaper, tileWallpaper, wallpaperStyle, screenSaver, screenSaveActive;
};

// A hidden top-level window of the test that records every WM_SETTINGCHANGE the system broadcasts.
// The records are taken while the announcing program waits for the broadcast, so they show what
// it had written before it announced the change.
class SettingChangeWatcher {
public:
    SettingChangeWatcher();
    SettingChangeWatcher(const SettingChangeWatcher&) = delete;
    SettingChangeWatcher& operator=(const SettingChangeWatcher&) = delete;
    ~SettingChangeWatcher();

    // Handles this thread's messages until `count` announcements of `action` have come.
    bool WaitFor(UINT action, size_t count);
    // The announcements of one kind so far, in order.
    std::vector<SettingChange> Of(UINT action) const;
    // Handles pending messages for a moment, so that late announcements are recorded.
    void Pump();

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
    std::vector<SettingChange> changes_;
};

// Closes Dek's main window and waits for the program to end, answering this thread's messages
// meanwhile: a watcher must not keep a change announcement of the closing program waiting.
std::optional<DWORD> CloseAndWait(Dek& dek);

// Clicks and double-clicks on a row of a list box of another program, with the mouse messages
// a user's click sends (the row is scrolled into view first).
void ClickListRow(HWND listBox, int row);
void DoubleClickListRow(HWND listBox, int row);

// A small 24-bit Windows bitmap of one colour (0xRRGGBB).
std::string BitmapBytes(int width, int height, uint32_t rgb);

// The 8.3 form of an existing path.
std::wstring ShortPathOf(const std::wstring& path);

// Replaces the folder's Dek.exe by its twin whose change timer counts a minute every 100 ms.
void UseQuickTimer(const ProgramFolder& folder);

// One value of the changer's settings (kSettingsKey).
void SetDekSetting(std::wstring_view key, std::wstring_view text);

}  // namespace dektest
