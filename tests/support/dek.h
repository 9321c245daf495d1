// Driving Dek from outside as a user and the system would: the process and its windows, the
// desktop values it changes, the announcements of its changes, clicks, drops and its dialogs.
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

// Dek started from a program folder, with its main window once it exists.
struct Dek {
    explicit Dek(const ProgramFolder& folder, std::wstring_view arguments = {})
        : program(folder.Exe(), arguments, folder.Path()) {}

    // The main window (created hidden or shown); null if it never came.
    HWND WaitForMainWindow();
    HWND Control(int id) { return GetDlgItem(WaitForMainWindow(), id); }
    // Waits until the start-up is over: the window takes dropped files from its last step on.
    bool WaitUntilRunning();
    // Closes the main window and waits for the end, answering this thread's messages meanwhile:
    // a watcher must not keep the closing program's announcements waiting.
    std::optional<DWORD> CloseAndWait();

    RunningProgram program;
    HWND main = nullptr;
};

bool TrayIconPresent(HWND mainWindow);

// HKEY_CURRENT_USER\Control Panel\Desktop, and [boot] SCRNSAVE.EXE of system.ini.
std::optional<std::wstring> DesktopValue(std::wstring_view name);
void SetDesktopValue(std::wstring_view name, std::wstring_view text);
std::optional<std::wstring> SystemIniScreenSaver();
void SetSystemIniScreenSaver(const std::optional<std::wstring>& text);

// Every test of Dek: its settings cleared before and after, and the desktop values it may change
// put back afterwards.
class DekTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

private:
    std::map<std::wstring, std::optional<std::wstring>> desktop_;
    std::optional<std::wstring> systemIni_;
};

// What the desktop held when an announcement of a changed setting arrived: a hidden top-level
// window of the test records each WM_SETTINGCHANGE while the announcing program waits for it, so
// it shows what the program had written before it announced the change.
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

    // Handles this thread's messages until `count` announcements of `action` have come.
    bool WaitFor(UINT action, size_t count);
    std::vector<SettingChange> Of(UINT action);
    // The wallpapers or the screen savers announced so far, in order.
    std::vector<std::wstring> Wallpapers();
    std::vector<std::wstring> ScreenSavers();

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
    std::vector<SettingChange> changes_;
};

// Memory inside another process, for messages whose pointers it reads (only standard texts are
// copied across by the system).
struct RemoteMemory {
    RemoteMemory(HANDLE process, size_t size)
        : process(process),
          address(static_cast<char*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))) {}
    ~RemoteMemory() { VirtualFreeEx(process, address, 0, MEM_RELEASE); }
    bool Write(const void* data, size_t size) const { return WriteProcessMemory(process, address, data, size, nullptr); }
    bool Read(void* data, size_t size, size_t at) const { return ReadProcessMemory(process, address + at, data, size, nullptr); }
    HANDLE process;
    char* address;
};

// True once the window's thread has handled everything posted before; a modal loop started
// meanwhile answers too, so a dialog it opened is shown by then.
bool Settled(HWND window);

// The position whose option is selected in the position dialog (-1: none).
int SelectedPosition(HWND dialog);
// Waits for a message box, presses its OK and gives its text ("" when none came).
std::wstring AnswerMessageBox(const RunningProgram& program);

std::vector<std::wstring> FolderNames(const std::wstring& folder);
// The command line a copy of command_line_recorder.exe at `program` was started with.
std::wstring RecordedCommandLine(const std::wstring& program);

}  // namespace dektest
