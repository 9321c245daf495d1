// The detailed-settings dialog, worked from outside: opened from the main window's "詳細設定",
// filled from the registry and the system, corrected as the user types, applied by OK or Enter only.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>
#include <shlobj.h>

#include <filesystem>

#include "changer/dialogs/settings_dialog_ids.h"
#include "tests/support/dek.h"
#include "tests/support/test_pictures.h"

namespace {

using namespace dektest;
using namespace dek;
using ScreenSaver = std::pair<int, bool>;  // time-out in seconds, active
using Values = std::vector<std::pair<const wchar_t*, std::wstring>>;

// As a fresh process reads them (one that has read them once may keep its own copy), until
// `awaited` holds: Dek's change may reach the display a moment after its dialog closed.
ScreenSaver ReadScreenSaver(std::optional<ScreenSaver> awaited = {}) {
    ScreenSaver now;
    WaitFor([&] {
        const auto code = RunningProgram(BinFolder() + L"\\dek_screen_saver_probe.exe", L"").WaitForExit();
        now = code ? ScreenSaver{static_cast<int>(*code / 2), (*code & 1) != 0} : ScreenSaver{-1, false};
        return !awaited || now == *awaited;
    });
    return now;
}

void WriteScreenSaver(const ScreenSaver& s) {
    // Under Wine the display driver queues the change; reading a pixel waits for the display.
    const platform::WindowDC screen(nullptr);
    SystemParametersInfoW(SPI_SETSCREENSAVETIMEOUT, static_cast<UINT>(s.first), nullptr, SPIF_SENDWININICHANGE);
    SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, s.second ? TRUE : FALSE, nullptr, SPIF_SENDWININICHANGE);
    GetPixel(screen.get(), 0, 0);
}

void ExpectStored(const Values& values) {
    for (const auto& [key, text] : values) EXPECT_EQ(DekSetting(key), text) << key;
}

// Replaces the whole text, as a program does; the edit reports the change as for typing.
void SetEditText(HWND edit, const std::wstring& text) {
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool ClickChecked(HWND button, bool checked) {
    Click(button);
    return WaitFor([&] { return IsChecked(button) == checked; });
}

// A key pressed in the dialog, through Dek's own dialog keyboard handling.
void Press(HWND control, WPARAM key) {
    PostMessageW(control, WM_KEYDOWN, key, 0);
    PostMessageW(control, WM_KEYUP, key, 0xC0000000);
}

// A visible standard dialog of the program owned by `owner` (folder browser, file dialog).
HWND WaitForOwnedDialog(const RunningProgram& program, HWND owner) {
    HWND found = nullptr;
    WaitFor([&] {
        for (HWND hwnd : program.TopLevelWindows()) {
            if (ClassNameOf(hwnd) == L"#32770" && IsWindowVisible(hwnd) && GetWindow(hwnd, GW_OWNER) == owner) found = hwnd;
        }
        return found != nullptr;
    });
    return found;
}

struct Dialog {
    HWND hwnd = nullptr;
    HWND operator[](int id) const { return GetDlgItem(hwnd, id); }
    std::wstring Text(int id) const { return WindowText((*this)[id]); }
    bool OkEnabled() const { return IsEnabled((*this)[Form3Command1]); }
    bool Ok() const { return Click((*this)[Form3Command1]), Gone(); }
    bool Close() const { return PostMessageW(hwnd, WM_CLOSE, 0, 0), Gone(); }
    bool Gone() const { return WaitFor([&] { return !IsWindow(hwnd); }); }
};

class SettingsDialog : public DekTest {
protected:
    void SetUp() override {
        DekTest::SetUp();
        saved_ = ReadScreenSaver();
        ASSERT_GE(saved_.first, 0);
    }
    void TearDown() override {
        WriteScreenSaver(saved_);
        DekTest::TearDown();
    }
    // Opens the dialog with the main window's "詳細設定" (starting Dek when needed).
    static Dialog Open(Dek& dek) {
        if (!dek.WaitUntilRunning()) return {};
        Click(dek.Control(dek::Command9));
        HWND dialog = dek.program.WaitForWindow(kSettingsDialogTitle, kSettingsDialogClass);
        if (!dialog || !WaitFor([&] { return IsWindowVisible(dialog) != FALSE; })) return {};
        return {dialog};
    }
    ScreenSaver saved_;
};

TEST_F(SettingsDialog, OpensFilledCorrectsWhatIsTypedRefillsAndLeavingWithoutOkKeepsEverything) {
    const Values stored = {{L"opt1value", L"1"},         {L"opt2value", L"0"}, {L"opt3value", L"1"},
                           {L"changeinterval", L"25"},   {L"wavdir", L"C:\\sounds\\chime.wav"},
                           {L"defdir", L"C:\\pictures"}, {L"defdir2", L"C:\\savers"}};
    for (const auto& [key, text] : stored) SetDekSetting(key, text);
    WriteScreenSaver({90, true});
    ProgramFolder folder(L"filled");
    Dek dek(folder);
    Dialog d = Open(dek);
    ASSERT_NE(d.hwnd, nullptr);
    auto expectFilled = [&](const char* when) {
        SCOPED_TRACE(when);
        EXPECT_TRUE(IsChecked(d[Form3Check1]) && !IsChecked(d[Form3Check2]) && IsChecked(d[Form3Check3]));
        EXPECT_FALSE(IsEnabled(d[Form3Text1]));  // timed changes off
        // The wait time 90 s in whole minutes; the screen saver ON.
        const std::pair<int, const wchar_t*> texts[] = {{Form3Text1, L"25"}, {Form3Text5, L"C:\\sounds\\chime.wav"},
                                                        {Form3Text2, L"C:\\pictures"}, {Form3Text3, L"C:\\savers"}, {Form3Text4, L"1"}};
        for (const auto& [id, text] : texts) EXPECT_EQ(d.Text(id), text) << id;
        EXPECT_TRUE(IsChecked(d[Form3Option1On]) && !IsChecked(d[Form3Option1Off]) && d.OkEnabled());
    };
    expectFilled("opened");

    // Letters empty the interval box (which then refuses OK while ticked) and turn the wait time into "1".
    ASSERT_TRUE(ClickChecked(d[Form3Check2], true));
    SendMessageW(d[Form3Text1], EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"x"));
    EXPECT_EQ(d.Text(Form3Text1), L"");
    EXPECT_FALSE(d.OkEnabled());
    SetEditText(d[Form3Text4], L"abc");
    EXPECT_EQ(d.Text(Form3Text4), L"1");
    ASSERT_TRUE(ClickChecked(d[Form3Option1Off], true));
    SetEditText(d[Form3Text2], L"C:\\typed");
    // Not modal: a second "詳細設定" fills the open dialog again.
    Click(dek.Control(dek::Command9));
    EXPECT_TRUE(WaitFor([&] { return d.Text(Form3Text2) == L"C:\\pictures"; }));
    expectFilled("filled again");

    // Enter with OK disabled does nothing; Esc and the close box apply nothing.
    SetEditText(d[Form3Text4], L"0");
    Press(d[Form3Text4], VK_RETURN);
    ASSERT_TRUE(Settled(d.hwnd));
    EXPECT_TRUE(IsWindow(d.hwnd));
    SetEditText(d[Form3Text4], L"30");
    ASSERT_TRUE(ClickChecked(d[Form3Check1], false));
    Press(d[Form3Text4], VK_ESCAPE);
    ASSERT_TRUE(d.Gone());
    d = Open(dek);
    ASSERT_NE(d.hwnd, nullptr);
    ASSERT_TRUE(ClickChecked(d[Form3Check1], false));
    ASSERT_TRUE(d.Close());
    ExpectStored(stored);
    EXPECT_EQ(ReadScreenSaver(), (ScreenSaver{90, true}));
    d = Open(dek);  // the program's own state is untouched too
    ASSERT_NE(d.hwnd, nullptr);
    expectFilled("reopened");
}

TEST_F(SettingsDialog, WaitTimeRoundsAndEnterAppliesEverythingForTheSession) {
    WriteScreenSaver({59, true});
    ProgramFolder folder(L"ok");
    Dek dek(folder);
    Dialog d = Open(dek);
    ASSERT_NE(d.hwnd, nullptr);
    EXPECT_EQ(d.Text(Form3Text4), L"0");  // under a minute
    EXPECT_FALSE(d.OkEnabled());
    SetEditText(d[Form3Text4], L"0.5");  // rounds to 0
    EXPECT_FALSE(d.OkEnabled());
    SetEditText(d[Form3Text4], L"1.5");  // rounds to 2
    EXPECT_TRUE(d.OkEnabled());
    ASSERT_TRUE(ClickChecked(d[Form3Check1], true));
    ASSERT_TRUE(ClickChecked(d[Form3Check3], true));
    ASSERT_TRUE(ClickChecked(d[Form3Option1Off], true));
    SetEditText(d[Form3Text1], L"2.5");
    SetEditText(d[Form3Text5], L"D:\\sounds\\bell.wav");
    SetEditText(d[Form3Text2], L"D:\\pictures");
    SetEditText(d[Form3Text3], L"");
    // What the system would store if the change were made for good.
    const std::optional<std::wstring> storedTimeout = DesktopValue(L"ScreenSaveTimeOut");
    Press(d[Form3Text5], VK_RETURN);
    ASSERT_TRUE(d.Gone());
    // The interval 2.5 rounds to the even 2.
    ExpectStored({{L"opt1value", L"1"}, {L"opt2value", L"1"}, {L"opt3value", L"1"}, {L"changeinterval", L"2"},
                  {L"wavdir", L"D:\\sounds\\bell.wav"}, {L"defdir", L"D:\\pictures"}, {L"defdir2", L""}});
    EXPECT_EQ(ReadScreenSaver({{90, false}}), (ScreenSaver{90, false}));  // 1.5 minutes, OFF
    EXPECT_EQ(DesktopValue(L"ScreenSaveTimeOut"), storedTimeout);
    d = Open(dek);
    ASSERT_NE(d.hwnd, nullptr);
    EXPECT_TRUE(IsChecked(d[Form3Option1Off]) && !IsChecked(d[Form3Option1On]));
}

TEST_F(SettingsDialog, AnUnusableIntervalIsRefusedWhileTickedAndTheDialogOutlivesTheMainWindow) {
    SetDekSetting(L"changeinterval", L"25");
    WriteScreenSaver({600, true});
    ProgramFolder folder(L"interval");
    Dek dek(folder);
    Dialog d = Open(dek);
    ASSERT_NE(d.hwnd, nullptr);
    ASSERT_TRUE(IsChecked(d[Form3Check2]) && d.OkEnabled());
    SetEditText(d[Form3Text1], L"1e9");
    EXPECT_FALSE(d.OkEnabled());
    // A click sent past the disabled button applies nothing.
    SendMessageW(d.hwnd, WM_COMMAND, MAKEWPARAM(Form3Command1, BN_CLICKED), reinterpret_cast<LPARAM>(d[Form3Command1]));
    EXPECT_TRUE(IsWindow(d.hwnd));
    EXPECT_FALSE(DekSetting(L"opt2value").has_value());
    // Clear: the box keeps its text, and OK keeps the interval it had.
    ASSERT_TRUE(ClickChecked(d[Form3Check2], false));
    EXPECT_EQ(d.Text(Form3Text1), L"1e9");
    ASSERT_TRUE(d.Ok());
    ExpectStored({{L"opt2value", L"0"}, {L"changeinterval", L"25"}});

    d = Open(dek);
    ASSERT_NE(d.hwnd, nullptr);
    PostMessageW(dek.main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dek.main); }));
    EXPECT_FALSE(dek.program.HasExited());
    SetEditText(d[Form3Text1], L"45");
    ASSERT_TRUE(d.Ok());
    EXPECT_EQ(dek.program.WaitForExit(), 0u);  // the last window has gone
    EXPECT_EQ(DekSetting(L"changeinterval"), L"45");
}

// The text of the selected item of another program's tree view.
std::wstring SelectedTreeItem(HWND tree, HANDLE process) {
    constexpr int kChars = 512;
    RemoteMemory remote(process, sizeof(TVITEMW) + kChars * sizeof(wchar_t));
    TVITEMW item = {TVIF_TEXT, reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0))};
    item.pszText = reinterpret_cast<wchar_t*>(remote.address + sizeof item);
    item.cchTextMax = kChars;
    wchar_t text[kChars] = {};
    const bool read = item.hItem && remote.Write(&item, sizeof item) &&
                      SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote.address)) &&
                      remote.Read(text, sizeof text - sizeof(wchar_t), sizeof item);
    return read ? text : L"";
}

TEST_F(SettingsDialog, ChoosersReturnALongFolderPathAndAWavFileOfTheProgramFolder) {
    SetDekSetting(L"wavdir", L"C:\\old\\ding.wav");
    ProgramFolder folder(L"choosers");
    WriteFile(folder / L"chime.wav", "RIFF");
    // Over 128 characters, below MAX_PATH, outside the profile (which Wine's browser cannot select by path).
    const std::wstring top = L"C:\\dek-browse-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring chosen = top + L"\\" + std::wstring(60, L'a') + L"\\" + std::wstring(60, L'b');
    std::filesystem::create_directories(chosen);
    const platform::ScopeExit removeTop([&] { std::error_code ignored; std::filesystem::remove_all(top, ignored); });
    Dek dek(folder);
    Dialog d = Open(dek);
    ASSERT_NE(d.hwnd, nullptr);

    // The folder browser belongs to the main window.
    Click(d[Form3Command3]);
    HWND browser = WaitForOwnedDialog(dek.program, dek.main);
    ASSERT_NE(browser, nullptr);
    const size_t bytes = (chosen.size() + 1) * sizeof(wchar_t);
    RemoteMemory path(dek.program.Process(), bytes);
    ASSERT_TRUE(path.Write(chosen.c_str(), bytes));
    // The browser may show before its tree is filled: the selection is asked for until it holds.
    HWND tree = FindWindowExW(browser, nullptr, WC_TREEVIEWW, nullptr);
    ASSERT_TRUE(WaitFor([&] {
        SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(path.address));
        return SelectedTreeItem(tree, dek.program.Process()) == std::wstring(60, L'b');
    }));
    Click(GetDlgItem(browser, IDOK));
    EXPECT_TRUE(WaitFor([&] { return d.Text(Form3Text3) == chosen; })) << d.Text(Form3Text3);

    // The WAV chooser belongs to the dialog and opens in the program folder; cancelled, it
    // changes nothing.
    for (const wchar_t* name : {static_cast<const wchar_t*>(nullptr), L"chime.wav"}) {
        Click(d[Form3Command4]);
        HWND chooser = WaitForOwnedDialog(dek.program, d.hwnd);
        ASSERT_NE(chooser, nullptr);
        if (name) SetEditText(GetDlgItem(chooser, cmb13) ? GetDlgItem(chooser, cmb13) : GetDlgItem(chooser, edt1), name);
        Click(GetDlgItem(chooser, name ? IDOK : IDCANCEL));
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(chooser); }));
        const std::wstring expected = name ? folder / L"chime.wav" : L"C:\\old\\ding.wav";
        EXPECT_TRUE(WaitFor([&] { return d.Text(Form3Text5) == expected; })) << d.Text(Form3Text5);
    }
}

// DekQuickTimer counts a minute every 100 ms, so with an interval of 1 the wallpaper changes ten
// times a second while the timer runs.
TEST_F(SettingsDialog, OkSwitchesTheChangeTimerOnAndOffAndClosingKeepsIt) {
    SetDekSetting(L"opt2value", L"0");
    SetDekSetting(L"changeinterval", L"1");
    WriteScreenSaver({600, true});
    ProgramFolder folder(L"timer");
    UseQuickTimer(folder);
    for (const wchar_t* wall : {L"\\w1.bmp", L"\\w2.bmp"}) WriteFile(folder.Wall() + wall, MakeBitmap(4, 4, [](int, int) { return 0; }));
    auto changes = [](std::chrono::milliseconds deadline = kDeadline) {
        const std::optional<std::wstring> before = DesktopValue(L"Wallpaper");
        return WaitFor([&] { return DesktopValue(L"Wallpaper") != before; }, deadline);
    };
    constexpr auto kQuietSpell = 1000ms;  // ten ticks of a running timer
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    EXPECT_FALSE(changes(kQuietSpell));  // stored off
    const struct {
        std::optional<bool> check2;
        const wchar_t* interval;
        bool ok, runs;
    } steps[] = {{true, nullptr, true, true}, {false, nullptr, false, true}, {false, nullptr, true, false},
                 {true, nullptr, true, true}, {{}, L"0", true, false},      {{}, L"1", true, true}};
    for (const auto& step : steps) {
        SCOPED_TRACE(&step - steps);
        Dialog d = Open(dek);
        ASSERT_NE(d.hwnd, nullptr);
        ASSERT_TRUE(!step.check2 || ClickChecked(d[Form3Check2], *step.check2));
        if (step.interval) SetEditText(d[Form3Text1], step.interval);
        ASSERT_TRUE(step.ok ? d.Ok() : d.Close());
        EXPECT_EQ(changes(step.runs ? kDeadline : kQuietSpell), step.runs);
        EXPECT_TRUE(!step.runs || changes());  // again and again, not once
    }
}

}  // namespace
