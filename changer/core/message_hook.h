// The main window's replacement procedure: it sees every message first (dropped files) and hands
// each one on to the procedure it replaced.
#pragma once

#include <windows.h>

namespace dek {

// Subclasses the window with MessageHook; the procedure in force until then goes to PrevWndProc.
void InstallHook(HWND window);
// Puts PrevWndProc back and forgets it; does nothing while no hook is installed.
void RemoveHook(HWND window);

LRESULT CALLBACK MessageHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace dek
