#include "changer/core/message_hook.h"

#include "changer/collection/drop.h"
#include "changer/core/module.h"

namespace dek {

void InstallHook(HWND window) {
    Module1().PrevWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MessageHook)));
}

void RemoveHook(HWND window) {
    ModuleState& m = Module1();
    if (!m.PrevWndProc) return;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m.PrevWndProc));
    m.PrevWndProc = nullptr;
}

LRESULT CALLBACK MessageHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The procedure to hand on to is read before anything runs: a message may remove the hook.
    const WNDPROC previous = Module1().PrevWndProc;
    if (message == WM_DROPFILES) TakeDroppedFiles(window, reinterpret_cast<HDROP>(wParam));
    if (!previous) return DefWindowProcW(window, message, wParam, lParam);
    return CallWindowProcW(previous, window, message, wParam, lParam);
}

}  // namespace dek
