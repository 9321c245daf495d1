// Driving Dek and the floor programs from the benchmark probe: the clock, starting programs,
// finding their windows, and waiting by polling.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "changer/collection/collection_window_ids.h"
#include "changer/main_window_ids.h"
#include "changer/tray/tray_icon.h"
#include "platform/handles.h"

namespace bench {

// Dek's outside, as users and the tests see it; these stay the same while its code changes.
inline constexpr const wchar_t* kDekClass = dek::kMainWindowClass;
inline constexpr const wchar_t* kDekTitle = dek::kMainWindowTitle;
inline constexpr int kWallList = dek::WallpaperList;
inline constexpr int kAddWallpaper = dek::AddWallpaperButton;
inline constexpr int kChangeBoth = dek::TrayMenuChangeBoth;  // CHANGE menu: random wallpaper and screen saver
inline constexpr wchar_t kAddDialogTitle[] = L"壁紙をリストに追加";
inline constexpr const wchar_t* kPositionDialogClass = dek::kPositionDialogClass;
inline constexpr const wchar_t* kPositionDialogTitle = dek::kPositionDialogTitle;
// The window of the idle and fill floors (floor_parts.h), with its list box at kWallList too.
inline constexpr wchar_t kFloorClass[] = L"DekBenchFloor";

// Milliseconds on the performance counter.
double Now();

// A started program; ended (killed) at destruction if it still runs.
struct Program {
    Program() = default;
    Program(Program&&) = default;
    ~Program();
    platform::UniqueKernelHandle process;
    DWORD id = 0;
    platform::UniqueKernelHandle output;  // the read end of its standard output, when captured
};
Program Start(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder,
              bool captureOutput = false);

// Polls `condition` until it holds (true), or the program ends or the deadline passes (false).
bool WaitUntil(const Program& program, const std::function<bool()>& condition, double deadlineMs = 60000);
// The exit code, or -1 when the program did not end within the deadline (it is then killed).
long WaitForExit(const Program& program, DWORD deadlineMs = 60000);
// Closes the window and waits for the program's end; the exit code, or -1.
long CloseAndWait(const Program& program, HWND window);

// A top-level window of the process by class (and title, when given); visible or not.
HWND FindTopLevel(DWORD processId, const wchar_t* className, const wchar_t* title = nullptr);
// The shown top-level window of the process with this class whose list box (kWallList) holds
// `rows` rows (any number for -1); null otherwise.
HWND ReadyWindow(const Program& program, const wchar_t* className, LRESULT rows = -1);
// True once the window's thread has handled everything sent before.
bool Settled(HWND window);

// The working set of a process in bytes (under Wine: the Linux resident set of its process).
double WorkingSetBytes(HANDLE process);
// The processor time, kernel and user, the program has used in ms; -1 when unreadable. Under Wine
// as Linux counts it, in steps of 10 ms, and that of threads which have ended is lost.
double CpuTime(const Program& program);
// The folder of the probe, where the floor programs lie.
std::wstring BinFolder();

}  // namespace bench
