// Reading the programs' windows from a test: texts, controls, list rows, sizes; and waiting for
// conditions with a deadline (never a fixed sleep).
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

std::wstring WindowText(HWND window);
std::wstring ClassNameOf(HWND window);
// The first child (at any depth) whose text is exactly `text`, optionally of a class.
HWND FindControlByText(HWND parent, std::wstring_view text, std::wstring_view className = {});
// The texts of every static control of a message box, joined by "\n" (its message text).
std::wstring MessageBoxText(HWND box);

bool IsEnabled(HWND control);
bool IsChecked(HWND button);

std::vector<std::wstring> ListRows(HWND listBox);
int ListSelection(HWND listBox);

// Client size in pixels, and the screen position of the window's top-left corner.
SIZE ClientSize(HWND window);
RECT WindowRectOf(HWND window);

}  // namespace dektest
