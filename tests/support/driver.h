// Driving the real programs from a test process: start them, find their windows and controls,
// read texts and list rows, click, and wait for conditions with a deadline (never a fixed sleep).
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/handles.h"

namespace dektest {

using namespace std::chrono_literals;
inline constexpr std::chrono::milliseconds kDeadline = 15s;

// Polls `condition` until it holds or the deadline passes; true when it held.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds deadline = kDeadline);

// The folder of the running test program; the built programs lie beside it.
std::wstring BinFolder();

// A program started as a separate process; ended (killed) at destruction if still running.
class RunningProgram {
public:
    RunningProgram(const std::wstring& exePath, std::wstring_view arguments, const std::wstring& workingFolder = {});
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    ~RunningProgram();

    bool HasExited() const;
    // The exit code once the process has ended within the deadline.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds deadline = kDeadline) const;
    // Every top-level window of the process.
    std::vector<HWND> TopLevelWindows() const;

private:
    platform::UniqueKernelHandle process_;
    DWORD id_ = 0;
};

std::wstring WindowText(HWND window);
std::wstring ClassNameOf(HWND window);
// The first child (at any depth) whose text is exactly `text`, optionally of a class.
HWND FindControlByText(HWND parent, std::wstring_view text, std::wstring_view className = {});
// The texts of every static control of a message box, joined by "\n" (its message text).
std::wstring MessageBoxText(HWND box);

// Clicks asynchronously, as the user would: the test goes on while a modal loop may start.
void Click(HWND button);
bool IsEnabled(HWND control);
bool IsChecked(HWND button);

std::vector<std::wstring> ListRows(HWND listBox);
int ListSelection(HWND listBox);

// Client size in pixels, and the screen position of the window's top-left corner.
SIZE ClientSize(HWND window);
RECT WindowRectOf(HWND window);

}  // namespace dektest
