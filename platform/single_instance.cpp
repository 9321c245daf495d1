#include "platform/single_instance.h"

namespace platform {
namespace {

// Long enough for a copy that has just claimed the name to create its window on a busy machine.
constexpr ULONGLONG kWindowWaitMs = 10000;
constexpr DWORD kLookAgainMs = 50;

}  // namespace

SingleInstance::~SingleInstance() {
    if (owned_) ReleaseMutex(mutex_.get());
}

bool SingleInstance::Claim(const wchar_t* name, const wchar_t* windowClass, bool comeForward) {
    mutex_.reset(CreateMutexW(nullptr, FALSE, name));
    // Refused: a copy started elevated holds it; only its window can still be found. Failed
    // otherwise: nothing to share the name with, and a second copy is better than none.
    if (!mutex_ && GetLastError() != ERROR_ACCESS_DENIED) return true;
    const ULONGLONG deadline = GetTickCount64() + kWindowWaitMs;
    for (DWORD patience = 0;; patience = kLookAgainMs) {
        if (!mutex_) {
            Sleep(patience);
        } else if (const DWORD waited = WaitForSingleObject(mutex_.get(), patience);
                   waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) {
            // Owned, also when abandoned by a copy that ended without letting go. A later start may run
            // with less privilege than this copy (started elevated): its request is let through.
            ChangeWindowMessageFilter(kComeForwardMessage, MSGFLT_ADD);
            return owned_ = true;
        }
        if (HWND window = FindWindowW(windowClass, nullptr)) {
            if (comeForward) {
                DWORD process = 0;
                GetWindowThreadProcessId(window, &process);
                // This start came from the user, so it may hand the foreground on.
                AllowSetForegroundWindow(process);
                PostMessageW(window, kComeForwardMessage, 0, 0);
            }
            return false;
        }
        if (GetTickCount64() >= deadline) return false;
    }
}

}  // namespace platform
