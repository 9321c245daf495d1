// What the changer changes and keeps, seen from a test: the desktop values, the announcements of
// changed settings, the icon in the notification area.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "changer/collection/form_ids.h"
#include "changer/desktop/change_timer.h"
#include "changer/main_window_ids.h"
#include "changer/tray/tray_icon.h"
#include "tests/support/driver.h"
#include "tests/support/program_folder.h"

namespace dektest {

bool TrayIconPresent(HWND mainWindow);

// HKEY_CURRENT_USER\Control Panel\Desktop, and [boot] SCRNSAVE.EXE of system.ini.
std::optional<std::wstring> DesktopValue(std::wstring_view name);
void SetDesktopValue(std::wstring_view name, std::wstring_view text);
std::optional<std::wstring> SystemIniScreenSaver();
void SetSystemIniScreenSaver(const std::optional<std::wstring>& text);

// Every test of the changer: its settings cleared before and after, and the desktop values it
// may change put back afterwards.
class DekTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

private:
    std::map<std::wstring, std::optional<std::wstring>> desktop_;
    std::optional<std::wstring> systemIni_;
};

// What the desktop held when an announcement of a changed setting arrived: a hidden top-level
// window records each WM_SETTINGCHANGE while the announcing code waits for it, so it shows what
// had been written before the change was announced.
struct SettingChange {
    UINT action = 0;  // SPI_SETDESKWALLPAPER or SPI_SETSCREENSAVEACTIVE
    std::optional<std::wstring> wallpaper, tileWallpaper, wallpaperStyle, screenSaver, screenSaveActive;
};
class SettingChangeWatcher {
public:
    SettingChangeWatcher();
    SettingChangeWatcher(const SettingChangeWatcher&) = delete;
    SettingChangeWatcher& operator=(const SettingChangeWatcher&) = delete;
    ~SettingChangeWatcher();

    std::vector<SettingChange> Of(UINT action) const;
    // The wallpapers (SPI_SETDESKWALLPAPER) or the screen savers announced so far, in order.
    std::vector<std::wstring> Applied(UINT action) const;

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
    std::vector<SettingChange> changes_;
};

// The position whose option is selected in the position dialog (-1: none).
int SelectedPosition(HWND dialog);
std::vector<std::wstring> FolderNames(const std::wstring& folder);
// The command line a copy of command_line_recorder.exe at `program` was started with.
std::wstring RecordedCommandLine(const std::wstring& program);

}  // namespace dektest
