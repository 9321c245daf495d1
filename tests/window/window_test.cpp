#include "tests/window/window_test.h"

#include <commctrl.h>
#include <shlobj.h>

#include <cstring>
#include <deque>

namespace dektest {
namespace {

std::deque<Answer> g_answers;
UINT_PTR g_answerTimer = 0;

// Looks at the icon when the main window is destroyed.
HWND g_main = nullptr;
std::optional<bool> g_iconAtDestroy;
HHOOK g_destroyHook = nullptr;
LRESULT CALLBACK SeeDestroy(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_DESTROY && call->hwnd == g_main) g_iconAtDestroy = TrayIconPresent(g_main);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Runs inside whatever modal loop the thread is in: the first waiting answer takes the first
// visible window of the thread that it accepts.
void CALLBACK AnswerWindows(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM) -> BOOL {
            if (g_answers.empty() || !IsWindowVisible(hwnd) || !g_answers.front()(hwnd)) return TRUE;
            g_answers.pop_front();
            return FALSE;
        },
        0);
    if (g_answers.empty()) KillTimer(nullptr, std::exchange(g_answerTimer, 0));
}

}  // namespace

void ChangerWindowTest::TearDown() {
    window_.reset();
    if (g_destroyHook) UnhookWindowsHookEx(std::exchange(g_destroyHook, nullptr));
    g_main = nullptr;
    g_iconAtDestroy.reset();
    AnsweringTest::TearDown();
}

void AnsweringTest::TearDown() {
    g_answers.clear();
    if (g_answerTimer) KillTimer(nullptr, std::exchange(g_answerTimer, 0));
    for (MSG quit; PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);) {  // the end of this test's program
    }
}

bool ChangerWindowTest::Start(dek::RunMode mode) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    // A "minute" of 100 ms; the change sound heard by the test; the user and the monitors as the
    // test says.
    const auto hear = [this](const std::wstring& waveFile) { sounds.push_back(waveFile); };
    window_ = std::make_unique<dek::MainWindow>(dek::ProgramFolders::Beside(folder.Path()),
                                                dek::MainWindowSeams{100, hear, [this] { return userState(); }, [this] {
                                                    return monitors.empty() ? platform::DisplayMonitors() : monitors;
                                                }});
    const bool started = window_->Start(mode);
    g_main = Main();
    if (!g_destroyHook) g_destroyHook = SetWindowsHookExW(WH_CALLWNDPROC, &SeeDestroy, nullptr, GetCurrentThreadId());
    return started;
}

std::optional<bool> ChangerWindowTest::IconAtDestroy() const { return g_iconAtDestroy; }

void ChangerWindowTest::ClickRow(int list, int row, bool twice) {
    SendMessageW(Control(list), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    SendMessageW(Main(), WM_COMMAND, MAKEWPARAM(list, LBN_SELCHANGE), reinterpret_cast<LPARAM>(Control(list)));
    if (twice) SendMessageW(Main(), WM_COMMAND, MAKEWPARAM(list, LBN_DBLCLK), reinterpret_cast<LPARAM>(Control(list)));
}

void ChangerWindowTest::Drop(const std::vector<std::wstring>& paths) {
    std::wstring names;
    for (const std::wstring& path : paths) names += path + L'\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + (names.size() + 1) * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    *drop = {sizeof(DROPFILES), {10, 10}, FALSE, TRUE};
    std::memcpy(drop + 1, names.data(), names.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    SendMessageW(Main(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    EXPECT_EQ(GlobalSize(memory), 0u);  // given back: a program that kept every drop would leak
}

bool AnsweringTest::PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds deadline) {
    return WaitFor([&] {
        MSG msg;
        // A batch at a time: timer ticks slower to handle than they come would never let the
        // condition be asked.
        for (int n = 0; n < 20 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++n) {
            if (msg.message == WM_QUIT) {  // left for Ended() to see
                PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            platform::HandleOne(msg);
        }
        return condition();
    }, deadline);
}

bool AnsweringTest::Ended() {
    MSG quit;
    return PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

void AnsweringTest::Expect(std::vector<Answer> answers) {
    g_answers.assign(answers.begin(), answers.end());
    if (!g_answerTimer) g_answerTimer = SetTimer(nullptr, 0, 20, &AnswerWindows);
}

bool AnsweringTest::Answered() const { return g_answers.empty(); }

Answer AnsweringTest::OkBox(std::wstring* text) {
    return [text](HWND hwnd) {
        if (ClassNameOf(hwnd) != L"#32770" || !GetDlgItem(hwnd, IDOK)) return false;
        if (text) *text = MessageBoxText(hwnd);
        PostMessageW(GetDlgItem(hwnd, IDOK), BM_CLICK, 0, 0);
        return true;
    };
}

Answer AnsweringTest::Position(int position, int* shown, bool closeBox) {
    return [=](HWND hwnd) {
        if (ClassNameOf(hwnd) != dek::kPositionDialogClass) return false;
        if (shown) *shown = SelectedPosition(hwnd);
        if (position >= 0) SendMessageW(GetDlgItem(hwnd, dek::PositionOption(static_cast<dek::DisplayPosition>(position))), BM_CLICK, 0, 0);
        closeBox ? PostMessageW(hwnd, WM_CLOSE, 0, 0) : PostMessageW(GetDlgItem(hwnd, dek::PositionOkButton), BM_CLICK, 0, 0);
        return true;
    };
}

Answer AnsweringTest::OpenFile(std::wstring title, std::wstring typed) {
    return [=](HWND hwnd) {
        if (ClassNameOf(hwnd) != L"#32770" || WindowText(hwnd) != title) return false;
        // The file-name box: a combo box (cmb13) with an edit inside, or a plain edit (edt1).
        HWND name = GetDlgItem(hwnd, 0x47c) ? GetDlgItem(hwnd, 0x47c) : GetDlgItem(hwnd, 0x480);
        SetWindowTextW(name, typed.c_str());
        PostMessageW(GetDlgItem(hwnd, typed.empty() ? IDCANCEL : IDOK), BM_CLICK, 0, 0);
        return true;
    };
}

}  // namespace dektest
