// What a test sees of the programs: their windows and controls, the desktop values, the
// announcements of changed settings, the icon in the notification area; and waiting for a
// condition with a deadline (never a fixed sleep).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "changer/collection/collection_window_ids.h"
#include "changer/desktop/change_timer.h"
#include "changer/main_window_ids.h"
#include "changer/tray/tray_icon.h"
#include "platform/handles.h"
#include "tests/support/program_folder.h"

namespace dektest {

using namespace std::chrono_literals;
inline constexpr std::chrono::milliseconds kDeadline = 15s;

// Polls `condition` until it holds or the deadline passes; true when it held.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds deadline = kDeadline);

std::wstring WindowText(HWND window);
std::wstring ClassNameOf(HWND window);
// The texts of every static control of a message box, joined by "\n" (its message text).
std::wstring MessageBoxText(HWND box);

bool IsChecked(HWND button);

std::vector<std::wstring> ListRows(HWND listBox);
int ListSelection(HWND listBox);

// Client size in pixels, and the screen position of the window's top-left corner.
SIZE ClientSize(HWND window);
RECT WindowRectOf(HWND window);

bool TrayIconPresent(HWND mainWindow);

// HKEY_CURRENT_USER\Control Panel\Desktop, and [boot] SCRNSAVE.EXE of system.ini.
std::optional<std::wstring> DesktopValue(std::wstring_view name);
void SetDesktopValue(std::wstring_view name, std::wstring_view text);
std::optional<std::wstring> SystemIniScreenSaver();
void SetSystemIniScreenSaver(const std::optional<std::wstring>& text);

// Held by every test of the changer: its settings cleared before and after, and the desktop (its
// wallpaper and screen saver with their values) put back as it was afterwards.
class ChangerStateGuard {
public:
    ChangerStateGuard();
    ChangerStateGuard(const ChangerStateGuard&) = delete;
    ChangerStateGuard& operator=(const ChangerStateGuard&) = delete;
    ~ChangerStateGuard();

private:
    std::map<std::wstring, std::optional<std::wstring>> desktop_;
    std::optional<std::wstring> systemIni_;
    BOOL screenSaveActive_ = FALSE;
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

// A window as its user meets it: its title and client size, then each control (id, kind, caption,
// place and size in pixels, state, rows), and the keyboard order. Checked against
// tests/window/snapshots/<name>.txt; a window that differs leaves <name>.actual.txt beside the copy
// the tests read.
std::wstring Snapshot(HWND window);
void ExpectSnapshot(const std::wstring& actual, std::wstring_view name);

// The position whose option is selected in the position dialog (-1: none).
int SelectedPosition(HWND dialog);

int WindowCount(const wchar_t* className);

// A program started from its folder in a process of its own, ended with the test's scope whatever
// happens: closed as the user would close it, terminated past the deadline.
struct RunningProgram {
    explicit RunningProgram(const std::wstring& exe, std::wstring_view arguments = {});
    ~RunningProgram();
    bool HasEnded() const { return WaitForSingleObject(process.get(), 0) != WAIT_TIMEOUT; }
    std::optional<DWORD> ExitCode();  // once it has ended, Dek's boxes answered with OK; none past the deadline
    platform::UniqueKernelHandle process;
    DWORD thread = 0;  // the one that makes the programs' windows
};

}  // namespace dektest
