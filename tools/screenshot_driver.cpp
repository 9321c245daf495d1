// Works Dek's and DekSet's windows for scripts/screenshots.sh, which takes the pictures. One action
// per run; the window is the visible top-level window with exactly this title, waited for until a
// deadline. Exits with 1 and a message when the window or control never turns up.
//
//   screenshot_driver wait <title>               prints the window's "left top width height" once
//                                                it has had time to paint
//   screenshot_driver click <title> <control>         presses a button once it is enabled
//   screenshot_driver select <title> <control> <row>  selects a row of a list box and tells the
//                                                     window, as a click on the row does
// A control is named as the program names it (DetailedSettingsButton, WallpaperList, ...).
//   screenshot_driver close <title>              closes the window and waits until it is gone
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>

#include "changer/main_window_ids.h"

namespace {

using namespace std::chrono_literals;
constexpr auto kDeadline = 20s;
constexpr auto kPoll = 50ms;
// Wine hands what a window painted to the X server a moment later.
constexpr auto kSettle = 500ms;

bool WaitFor(const std::function<bool()>& condition) {
    const auto end = std::chrono::steady_clock::now() + kDeadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(kPoll);
    }
    return true;
}

HWND VisibleWindow(const std::wstring& title) {
    struct Search {
        const std::wstring& title;
        HWND found = nullptr;
    } search{title};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(param);
            wchar_t text[256] = {};
            GetWindowTextW(window, text, 256);
            if (!IsWindowVisible(window) || search.title != text) return TRUE;
            search.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(const std::wstring& title) {
    HWND window = nullptr;
    WaitFor([&] { return (window = VisibleWindow(title)) != nullptr; });
    return window;
}

// The controls the screenshots need.
int ControlId(const std::wstring& name) {
    const std::pair<const wchar_t*, int> controls[] = {{L"DetailedSettingsButton", dek::DetailedSettingsButton},
                                                       {L"WallpaperList", dek::WallpaperList},
                                                       {L"WallpaperPositionButton", dek::WallpaperPositionButton}};
    for (const auto& [known, id] : controls) {
        if (name == known) return id;
    }
    return 0;
}

int Fail(const char* what, const std::wstring& title) {
    std::fprintf(stderr, "screenshot_driver: %s (window \"%ls\")\n", what, title.c_str());
    return 1;
}

int PrintRectangle(HWND window) {
    // Once the window's thread answers, it has handled what its creation queued; its first paint
    // follows as soon as its queue is empty.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    std::this_thread::sleep_for(kSettle);
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // Rectangles in the screen's own pixels at every DPI.
    SetProcessDPIAware();
    // The pointer waits in the top right corner, so that no tooltip or hover shows in a picture.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, 0);
    if (argc < 3) {
        std::fprintf(stderr, "usage: screenshot_driver wait|click|select|close <title> [control [row]]\n");
        return 2;
    }
    const std::wstring action = argv[1], title = argv[2];
    const int id = argc > 3 ? ControlId(argv[3]) : 0;

    HWND window = WaitForWindow(title);
    if (!window) return Fail("no such window", title);
    HWND control = id ? GetDlgItem(window, id) : nullptr;
    if (argc > 3 && !control) return Fail("no such control", title);

    if (action == L"wait") return PrintRectangle(window);
    if (action == L"click") {
        if (!WaitFor([&] { return IsWindowEnabled(control) && IsWindowVisible(control); }))
            return Fail("the button stays disabled", title);
        // Posted, as a user's click: a modal dialog it opens must not hold this program.
        PostMessageW(control, BM_CLICK, 0, 0);
        return 0;
    }
    if (action == L"select" && argc > 4) {
        SendMessageW(control, LB_SETCURSEL, static_cast<WPARAM>(_wtoi(argv[4])), 0);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
        return 0;
    }
    if (action == L"close") {
        PostMessageW(window, WM_CLOSE, 0, 0);
        return WaitFor([&] { return !IsWindow(window) || !IsWindowVisible(window); }) ? 0 : Fail("the window stays", title);
    }
    return Fail("unknown action", title);
}
