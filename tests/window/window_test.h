// Windows of the programs hosted in the test process, on Wine's real registry, files, shell and
// desktop. A message sent to them is handled, with every dialog it opens, before the send returns,
// so the tests read each outcome at once; the dialogs are answered from inside their own loops.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "changer/main_window.h"
#include "platform/display_monitors.h"
#include "tests/support/dek.h"

namespace dektest {

// Answers one window that shows while a modal loop runs: true once it has done so.
using Answer = std::function<bool(HWND)>;

// Any window test: the windows that show in modal loops answered, and the thread's own loop.
class AnsweringTest : public testing::Test {
protected:
    void TearDown() override;

    // The next windows that show in a modal loop are answered in turn; Answered() once all were.
    void Expect(std::vector<Answer> answers);
    bool Answered() const;
    // A message box: its text kept in `text`, then OK.
    static Answer OkBox(std::wstring* text = nullptr);
    // The position dialog: the selected option kept in `shown`, then `position` clicked (none for
    // -1), then OK or the close box.
    static Answer Position(int position, int* shown = nullptr, bool closeBox = false);
    // The open-file dialog with this title: `typed` into its name box and Open; Cancel for "".
    static Answer OpenFile(std::wstring title, std::wstring typed);

    // Lets the thread's posted messages (timer ticks, keys) be handled as the program's own loop
    // handles them, until `condition` holds.
    bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds deadline = kDeadline);
    // True once the program would end: its last window has closed.
    static bool Ended();
};

// The changer's main window on a program folder of its own.
class ChangerWindowTest : public AnsweringTest {
protected:
    void TearDown() override;

    // Starts the main window on the test's program folder; false when the start failed.
    bool Start(dek::RunMode mode = dek::RunMode::Normal);
    HWND Main() const { return window_->hwnd(); }
    HWND Control(int id) const { return GetDlgItem(Main(), id); }
    // A button or menu item of the main window.
    void Command(int id) { SendMessageW(Main(), WM_COMMAND, id, 0); }
    // A row of a list chosen as by a click (then a double-click), with the list's notifications.
    void ClickRow(int list, int row, bool twice = false);
    // Files dropped on the main window, as the shell drops them.
    void Drop(const std::vector<std::wstring>& paths);
    // Whether the icon was still in the notification area when the main window was destroyed;
    // nothing while it has not been.
    std::optional<bool> IconAtDestroy() const;

    ChangerStateGuard guard;
    ProgramFolder folder{L"window", L""};
    std::unique_ptr<dek::MainWindow> window_;
    // The change sounds played: each sound file, "" for the system's default sound.
    std::vector<std::wstring> sounds;
    // What the shell says of the user (5: free, 2: busy with a full-screen program).
    std::function<int()> userState = [] { return 5; };
    // The monitors the program sees; the system's while empty.
    std::vector<platform::Monitor> monitors;
};

}  // namespace dektest
