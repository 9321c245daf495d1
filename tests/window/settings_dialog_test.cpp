// The detailed-settings dialog: opened from the main window's "詳細設定", filled from the registry
// and the system, corrected as the user types, applied by OK or Enter only.
#include "tests/window/window_test.h"

#include <commctrl.h>
#include <shlobj.h>

#include <filesystem>

#include "changer/dialogs/settings_dialog_ids.h"

namespace {

using namespace dektest;
using namespace dek;
using ScreenSaver = std::pair<UINT, BOOL>;  // time-out in seconds, active
using Values = std::vector<std::pair<const wchar_t*, std::wstring>>;

class DetailedSettings : public ChangerWindowTest {
protected:
    ~DetailedSettings() override { Write(saved_); }
    static ScreenSaver Read() {
        ScreenSaver s = {};
        SystemParametersInfoW(SPI_GETSCREENSAVETIMEOUT, 0, &s.first, 0);
        SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &s.second, 0);
        return s;
    }
    static void Write(const ScreenSaver& s) {
        SystemParametersInfoW(SPI_SETSCREENSAVETIMEOUT, s.first, nullptr, SPIF_SENDWININICHANGE);
        SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, s.second, nullptr, SPIF_SENDWININICHANGE);
    }
    // Opens the dialog with the main window's "詳細設定" (starting the window when needed).
    HWND Open() {
        if (!window_ && !Start()) return nullptr;
        Command(dek::DetailedSettingsButton);
        return dialog_ = FindWindowW(kSettingsDialogClass, kSettingsDialogTitle);
    }
    HWND operator[](int id) const { return GetDlgItem(dialog_, id); }
    std::wstring Text(int id) const { return WindowText((*this)[id]); }
    // Replaces a box's text as a program does; the box reports the change as for typing.
    void Type(int id, const wchar_t* text) const { SetWindowTextW((*this)[id], text); }
    void Click(int id) const { SendMessageW((*this)[id], BM_CLICK, 0, 0); }
    // A key pressed in a box of the dialog, through the program's own message handling.
    bool Press(int id, WPARAM key) {
        PostMessageW((*this)[id], WM_KEYDOWN, key, 0);
        return PumpUntil([&] { return !IsWindow(dialog_); }, 500ms);
    }
    static void ExpectStored(const Values& values) {
        for (const auto& [key, text] : values) EXPECT_EQ(DekSetting(key), text) << key;
    }
    const ScreenSaver saved_ = Read();
    HWND dialog_ = nullptr;
};

// Distinct values, so that a box filled from another setting shows.
static const Values kStored = {{L"opt1value", L"1"},         {L"opt2value", L"0"}, {L"opt3value", L"1"},
                               {L"changeinterval", L"25"},   {L"wavdir", L"C:\\sounds\\chime.wav"},
                               {L"defdir", L"C:\\pictures"}, {L"defdir2", L"C:\\savers"}, {L"eachmonitor", L"1"}};

// The wait time 90 s in whole minutes, the screen saver ON; with timed changes off, the interval
// box disabled.
TEST_F(DetailedSettings, OpensFilledFromTheSettingsAndTheSystem) {
    for (const auto& [key, text] : kStored) SetDekSetting(key, text);
    Write({90, TRUE});
    ASSERT_NE(Open(), nullptr);
    ExpectSnapshot(Snapshot(dialog_), L"settings-dialog");
}

// Letters empty the interval box (which then refuses OK while ticked) and turn the wait time into "1".
TEST_F(DetailedSettings, CorrectsWhatIsTyped) {
    ASSERT_NE(Open(), nullptr);
    SendMessageW((*this)[IntervalBox], EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"x"));
    EXPECT_EQ(Text(IntervalBox), L"");
    EXPECT_FALSE(IsWindowEnabled((*this)[SettingsOkButton]));
    Type(WaitTimeBox, L"abc");
    EXPECT_EQ(Text(WaitTimeBox), L"1");
}

// Not modal: a second "詳細設定" fills the open dialog again. Enter with OK disabled does nothing;
// Esc and the close box apply nothing.
TEST_F(DetailedSettings, LeavingWithoutOkKeepsEverything) {
    for (const auto& [key, text] : kStored) SetDekSetting(key, text);
    Write({90, TRUE});
    ASSERT_NE(Open(), nullptr);
    const std::wstring filled = Snapshot(dialog_);
    Click(ChangeOnIntervalCheck);
    Type(IntervalBox, L"7");
    Click(ScreenSaverOffOption);
    Type(WallpaperFolderBox, L"C:\\typed");
    Command(dek::DetailedSettingsButton);
    EXPECT_EQ(Snapshot(dialog_), filled);

    Type(WaitTimeBox, L"0");
    EXPECT_FALSE(Press(WaitTimeBox, VK_RETURN));
    Type(WaitTimeBox, L"30");
    Click(ChangeAtStartupCheck);
    EXPECT_TRUE(Press(WaitTimeBox, VK_ESCAPE));
    ASSERT_NE(Open(), nullptr);
    Click(ChangeAtStartupCheck);
    SendMessageW(dialog_, WM_CLOSE, 0, 0);
    ExpectStored(kStored);
    EXPECT_EQ(Read(), (ScreenSaver{90, TRUE}));
    ASSERT_NE(Open(), nullptr);  // the program's own state is untouched too
    EXPECT_EQ(Snapshot(dialog_), filled);
}

TEST_F(DetailedSettings, EnterAppliesEverythingForTheSession) {
    Write({59, TRUE});
    ASSERT_NE(Open(), nullptr);
    EXPECT_FALSE(IsWindowEnabled((*this)[SettingsOkButton]));  // "0": under a minute
    Type(WaitTimeBox, L"1.5");  // rounds to 2
    EXPECT_TRUE(IsWindowEnabled((*this)[SettingsOkButton]));
    Click(ChangeAtStartupCheck);
    Click(ChangeOnIntervalCheck);
    Click(PlaySoundCheck);
    Click(WallpaperPerMonitorCheck);
    Click(ScreenSaverOffOption);
    Type(IntervalBox, L"2.5");
    Type(SoundFileBox, L"D:\\sounds\\bell.wav");
    Type(WallpaperFolderBox, L"D:\\pictures");
    Type(ScreenSaverFolderBox, L"");
    // What the system would store if the change were made for good.
    const std::optional<std::wstring> storedTimeout = DesktopValue(L"ScreenSaveTimeOut");
    EXPECT_TRUE(Press(SoundFileBox, VK_RETURN));
    // The interval 2.5 rounds to the even 2, and is kept with timed changes clear; 1.5 minutes are 90 s.
    ExpectStored({{L"opt1value", L"1"}, {L"opt2value", L"0"}, {L"opt3value", L"1"}, {L"changeinterval", L"2"},
                  {L"wavdir", L"D:\\sounds\\bell.wav"}, {L"defdir", L"D:\\pictures"}, {L"defdir2", L""},
                  {L"eachmonitor", L"1"}});
    EXPECT_EQ(Read(), (ScreenSaver{90, FALSE}));
    EXPECT_EQ(DesktopValue(L"ScreenSaveTimeOut"), storedTimeout);
}

TEST_F(DetailedSettings, AnUnusableIntervalIsRefusedWhileTicked) {
    SetDekSetting(L"changeinterval", L"25");
    Write({600, TRUE});
    ASSERT_NE(Open(), nullptr);
    Type(IntervalBox, L"1e9");
    EXPECT_FALSE(IsWindowEnabled((*this)[SettingsOkButton]));
    // A click sent past the disabled button applies nothing.
    SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(SettingsOkButton, BN_CLICKED), reinterpret_cast<LPARAM>((*this)[SettingsOkButton]));
    EXPECT_TRUE(IsWindow(dialog_));
    EXPECT_FALSE(DekSetting(L"opt2value").has_value());
    // Clear: the box keeps its text, and OK keeps the interval it had.
    Click(ChangeOnIntervalCheck);
    EXPECT_EQ(Text(IntervalBox), L"1e9");
    EXPECT_TRUE(IsWindowEnabled((*this)[SettingsOkButton]));
    Click(SettingsOkButton);
    ExpectStored({{L"opt2value", L"0"}, {L"changeinterval", L"25"}});
}

TEST_F(DetailedSettings, OutlivesTheMainWindow) {
    ASSERT_NE(Open(), nullptr);
    SendMessageW(Main(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(Ended());
    Type(IntervalBox, L"45");
    Click(SettingsOkButton);
    EXPECT_TRUE(Ended());  // the last window has gone
    EXPECT_EQ(DekSetting(L"changeinterval"), L"45");
}

std::wstring SelectedTreeItem(HWND tree) {
    wchar_t text[512] = {};
    const auto caret = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    TVITEMW item = {TVIF_TEXT, caret, 0, 0, text, 511};
    return item.hItem && SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) ? text : L"";
}

TEST_F(DetailedSettings, TheChoosersFillTheirBoxes) {
    SetDekSetting(L"wavdir", L"C:\\old\\ding.wav");
    WriteFile(folder / L"chime.wav", "RIFF");
    // Over 128 characters, below MAX_PATH, outside the profile (which Wine's browser cannot select by path).
    const std::wstring top = L"C:\\dek-browse-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring chosen = top + L"\\" + std::wstring(60, L'a') + L"\\" + std::wstring(60, L'b');
    std::filesystem::create_directories(chosen);
    const platform::ScopeExit removeTop([&] { std::error_code ignored; std::filesystem::remove_all(top, ignored); });
    ASSERT_NE(Open(), nullptr);
    // The folder browser belongs to the main window; it may show before its tree is filled, so
    // the selection is asked for until it holds. The WAV chooser belongs to the dialog and opens
    // in the program folder; cancelled, it changes nothing.
    HWND browserOwner = nullptr, chooserOwner = nullptr;
    Expect({[&](HWND browser) {
                SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(chosen.c_str()));
                if (SelectedTreeItem(FindWindowExW(browser, nullptr, WC_TREEVIEWW, nullptr)) != std::wstring(60, L'b')) return false;
                browserOwner = GetWindow(browser, GW_OWNER);
                return PostMessageW(GetDlgItem(browser, IDOK), BM_CLICK, 0, 0) != FALSE;
            },
            OpenFile(L"WAVﾌｧｲﾙの選択", L""),
            [&](HWND chooser) { return chooserOwner = GetWindow(chooser, GW_OWNER), OpenFile(L"WAVﾌｧｲﾙの選択", L"chime.wav")(chooser); }});
    Click(BrowseScreenSaverFolderButton);
    EXPECT_EQ(Text(ScreenSaverFolderBox), chosen);
    EXPECT_EQ(browserOwner, Main());
    Click(BrowseSoundFileButton);
    EXPECT_EQ(Text(SoundFileBox), L"C:\\old\\ding.wav");
    Click(BrowseSoundFileButton);
    EXPECT_TRUE(Answered());
    EXPECT_EQ(Text(SoundFileBox), folder / L"chime.wav");
    EXPECT_EQ(chooserOwner, dialog_);
}

// With an interval of 1 the wallpaper changes every tick (100 ms in the tests) while the timer
// runs; OK switches it on and off, leaving any other way changes nothing.
TEST_F(DetailedSettings, OnlyOkSwitchesTheChangeTimer) {
    SetDekSetting(L"opt2value", L"0");
    SetDekSetting(L"changeinterval", L"1");
    for (const wchar_t* wall : {L"\\w1.bmp", L"\\w2.bmp"}) WriteFile(folder.Wall() + wall, MakeBitmap(4, 4, [](int, int) { return 0; }));
    auto changes = [&](std::chrono::milliseconds deadline, const std::function<void()>& meanwhile = nullptr) {
        const std::optional<std::wstring> before = DesktopValue(L"Wallpaper");
        return PumpUntil([&] {
            if (meanwhile) meanwhile();
            return DesktopValue(L"Wallpaper") != before;
        }, deadline);
    };
    ASSERT_TRUE(Start());
    EXPECT_FALSE(changes(1000ms));  // stored off: ten ticks pass quietly
    const struct {
        std::optional<bool> check2;
        const wchar_t* interval;
        bool ok, runs;
    } steps[] = {{true, nullptr, true, true}, {false, nullptr, false, true}, {false, nullptr, true, false},
                 {true, nullptr, true, true}, {{}, L"0", true, false},      {{}, L"1", true, true}};
    for (const auto& step : steps) {
        SCOPED_TRACE(&step - steps);
        ASSERT_NE(Open(), nullptr);
        if (step.check2 && IsChecked((*this)[ChangeOnIntervalCheck]) != *step.check2) Click(ChangeOnIntervalCheck);
        if (step.interval) Type(IntervalBox, step.interval);
        step.ok ? Click(SettingsOkButton) : void(SendMessageW(dialog_, WM_CLOSE, 0, 0));
        EXPECT_EQ(changes(step.runs ? kDeadline : 1000ms), step.runs);
        EXPECT_TRUE(!step.runs || changes(kDeadline));  // again and again, not once
    }
    // An OK while the timer runs leaves the minute under way alone: with OK pressed again and
    // again, faster than the timer ticks, the changes still come.
    EXPECT_TRUE(changes(kDeadline, [&] { Open(), Click(SettingsOkButton); }));
}

}  // namespace
