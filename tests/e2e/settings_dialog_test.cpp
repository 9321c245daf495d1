// The detailed-settings dialog, worked from outside: opened from the main window's "詳細設定",
// filled from the registry and the system, corrected as the user types, and applied by OK only.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>
#include <shlobj.h>

#include <filesystem>
#include <map>

#include "changer/dialogs/settings_dialog_ids.h"
#include "platform/dpi.h"
#include "platform/registry.h"
#include "tests/support/dek.h"
#include "tests/support/desktop.h"

namespace {

using namespace dektest;

struct ScreenSaver {
    int timeoutSeconds = -1;
    bool active = false;
    bool operator==(const ScreenSaver&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ScreenSaver& s) {
    return out << s.timeoutSeconds << " s, " << (s.active ? "active" : "not active");
}

// The system's screen-saver settings as a fresh process reads them: a process that has read them
// once may keep its own copy, and Dek changes them from another process.
ScreenSaver ReadScreenSaver() {
    RunningProgram probe(BinFolder() + L"\\dek_screen_saver_probe.exe", L"");
    const std::optional<DWORD> code = probe.WaitForExit();
    if (!code) return {};
    return {static_cast<int>(*code / 2), (*code & 1) != 0};
}

// Dek's change may reach the display a moment after its dialog has closed (see below).
ScreenSaver WaitForScreenSaver(const ScreenSaver& expected) {
    ScreenSaver now;
    WaitFor([&] { return (now = ReadScreenSaver()) == expected; });
    return now;
}

void WriteScreenSaver(const ScreenSaver& s) {
    // Through the display driver, as Dek does (see the probe). Under Wine the driver queues the
    // change to the X screen saver without sending it; reading a pixel of the screen waits for
    // the display's answer, and so sends everything queued before it.
    HDC screen = GetDC(nullptr);
    SystemParametersInfoW(SPI_SETSCREENSAVETIMEOUT, static_cast<UINT>(s.timeoutSeconds), nullptr, SPIF_SENDWININICHANGE);
    SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, s.active ? TRUE : FALSE, nullptr, SPIF_SENDWININICHANGE);
    GetPixel(screen, 0, 0);
    ReleaseDC(nullptr, screen);
}

std::optional<std::wstring> Stored(const wchar_t* key) {
    return platform::ReadRegString(HKEY_CURRENT_USER, kSettingsKey, key);
}

void Store(const wchar_t* key, const std::wstring& text) {
    platform::SetRegString(HKEY_CURRENT_USER, kSettingsKey, key, text);
}

// Replaces the whole text, as a program does; the edit reports the change as for typing.
void SetEditText(HWND edit, const std::wstring& text) {
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Types one character after another over the selection, as the user does.
void Type(HWND edit, std::wstring_view text) {
    for (wchar_t c : text) {
        const wchar_t one[2] = {c, 0};
        SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(one));
    }
}

void SelectAll(HWND edit) { SendMessageW(edit, EM_SETSEL, 0, -1); }

// A block of memory inside another process, for messages whose pointers the receiver reads
// (the system copies only the standard messages' texts across processes).
class RemoteMemory {
public:
    RemoteMemory(HANDLE process, size_t size)
        : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    ~RemoteMemory() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    char* get() const { return static_cast<char*>(address_); }
    bool Write(const void* data, size_t size, size_t offset = 0) const {
        return WriteProcessMemory(process_, get() + offset, data, size, nullptr) != FALSE;
    }
    bool Read(void* data, size_t size, size_t offset = 0) const {
        return ReadProcessMemory(process_, get() + offset, data, size, nullptr) != FALSE;
    }

private:
    HANDLE process_;
    void* address_;
};

class SettingsDialog : public testing::Test {
protected:
    void SetUp() override {
        ResetDekSettings();
        saved_ = ReadScreenSaver();
        ASSERT_GE(saved_.timeoutSeconds, 0);
    }
    void TearDown() override {
        ResetDekSettings();
        WriteScreenSaver(saved_);
    }

    // Starts Dek and opens the dialog with the main window's "詳細設定".
    static HWND Open(Dek& dek) {
        if (!dek.WaitUntilRunning()) return nullptr;
        Click(dek.Control(dek::Command9));
        HWND dialog = dek.program.WaitForWindow(dek::kSettingsDialogTitle, dek::kSettingsDialogClass);
        if (!dialog || !WaitFor([&] { return IsWindowVisible(dialog) != FALSE; })) return nullptr;
        return dialog;
    }

    // Clicks OK and waits for the dialog to close.
    static bool ConfirmAndWait(HWND dialog) {
        Click(GetDlgItem(dialog, dek::Form3Command1));
        return WaitFor([&] { return !IsWindow(dialog); });
    }

    static bool ClickAndWaitChecked(HWND button, bool checked) {
        Click(button);
        return WaitFor([&] { return IsChecked(button) == checked; });
    }

    ScreenSaver saved_;
};

std::vector<HWND> WindowsOfClass(const RunningProgram& program, std::wstring_view className) {
    std::vector<HWND> found;
    for (HWND hwnd : program.TopLevelWindows()) {
        if (ClassNameOf(hwnd) == className) found.push_back(hwnd);
    }
    return found;
}

// A visible standard dialog of the program owned by `owner` (folder browser, file dialog).
HWND WaitForOwnedDialog(const RunningProgram& program, HWND owner) {
    HWND found = nullptr;
    WaitFor([&] {
        for (HWND hwnd : WindowsOfClass(program, L"#32770")) {
            if (IsWindowVisible(hwnd) && GetWindow(hwnd, GW_OWNER) == owner) found = hwnd;
        }
        return found != nullptr;
    });
    return found;
}

HWND ChildOfClass(HWND parent, std::wstring_view className) {
    struct Search {
        std::wstring_view className;
        HWND found = nullptr;
    } search{className};
    EnumChildWindows(
        parent,
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            if (ClassNameOf(hwnd) != s->className) return TRUE;
            s->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The text of the selected item of a tree view of another program.
std::wstring SelectedTreeItem(HWND tree, HANDLE process) {
    const LRESULT item = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
    if (!item) return {};
    constexpr int kChars = 512;
    RemoteMemory remote(process, sizeof(TVITEMW) + kChars * sizeof(wchar_t));
    TVITEMW request = {};
    request.mask = TVIF_TEXT;
    request.hItem = reinterpret_cast<HTREEITEM>(item);
    request.pszText = reinterpret_cast<wchar_t*>(remote.get() + sizeof request);
    request.cchTextMax = kChars;
    wchar_t text[kChars] = {};
    if (!remote.Write(&request, sizeof request) || !SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote.get())) ||
        !remote.Read(text, sizeof text - sizeof(wchar_t), sizeof request)) {
        return {};
    }
    return text;
}

TEST_F(SettingsDialog, OpensFilledFromTheStoreAndTheSystemWithEveryControl) {
    Store(L"opt1value", L"1");
    Store(L"opt2value", L"0");
    Store(L"opt3value", L"1");
    Store(L"changeinterval", L"25");
    Store(L"wavdir", L"C:\\sounds\\chime.wav");
    Store(L"defdir", L"C:\\pictures");
    Store(L"defdir2", L"C:\\savers");
    WriteScreenSaver({90, true});
    ProgramFolder folder(L"filled");
    Dek dek(folder);
    HWND dialog = Open(dek);
    ASSERT_NE(dialog, nullptr);
    auto item = [&](int id) { return GetDlgItem(dialog, id); };

    EXPECT_TRUE(IsChecked(item(dek::Form3Check1)));
    EXPECT_FALSE(IsChecked(item(dek::Form3Check2)));
    EXPECT_TRUE(IsChecked(item(dek::Form3Check3)));
    EXPECT_EQ(WindowText(item(dek::Form3Text1)), L"25");
    EXPECT_FALSE(IsEnabled(item(dek::Form3Text1)));  // Check2 clear
    EXPECT_EQ(WindowText(item(dek::Form3Text5)), L"C:\\sounds\\chime.wav");
    EXPECT_EQ(WindowText(item(dek::Form3Text2)), L"C:\\pictures");
    EXPECT_EQ(WindowText(item(dek::Form3Text3)), L"C:\\savers");
    EXPECT_EQ(WindowText(item(dek::Form3Text4)), L"1");  // 90 s in whole minutes
    EXPECT_TRUE(IsChecked(item(dek::Form3Option1On)));
    EXPECT_FALSE(IsChecked(item(dek::Form3Option1Off)));
    EXPECT_TRUE(IsEnabled(item(dek::Form3Command1)));

    const std::map<int, const wchar_t*> captions = {
        {dek::Form3Frame2, L"ﾃﾞﾌｫﾙﾄのﾃﾞｨﾚｸﾄﾘ"}, {dek::Form3Label2, L"壁紙"},
        {dek::Form3Command2, L"..."},               {dek::Form3Label3, L"ｽｸﾘｰﾝｾｰﾊﾞｰ"},
        {dek::Form3Command3, L"..."},               {dek::Form3Frame1, L"ｽｸﾘｰﾝｾｰﾊﾞｰ固有の設定"},
        {dek::Form3Label5, L"待ち時間"},            {dek::Form3Label4, L"分 (1 ～ 60)"},
        {dek::Form3Option1On, L"ON"},               {dek::Form3Option1Off, L"OFF"},
        {dek::Form3Check1, L"起動時に変更"},        {dek::Form3Check2, L"一定時間ごとに変更"},
        {dek::Form3Label1, L"分 (0なら変更しない)"}, {dek::Form3Check3, L"変更時にｻｳﾝﾄﾞを再生する"},
        {dek::Form3Label7, L"WAVﾌｧｲﾙの場所:"},      {dek::Form3Command4, L"..."},
        {dek::Form3Command1, L"OK"},
    };
    for (const auto& [id, caption] : captions) {
        ASSERT_NE(item(id), nullptr) << id;
        EXPECT_EQ(WindowText(item(id)), caption) << id;
    }

    // Client area 4575 x 5295 twips; every control inside it, laid out top to bottom, the rows
    // of each frame inside the frame.
    const int dpi = platform::ScreenDpi();
    const SIZE client = ClientSize(dialog);
    EXPECT_EQ(client.cx, platform::TwipsToPixels(4575, dpi));
    EXPECT_EQ(client.cy, platform::TwipsToPixels(5295, dpi));
    auto rect = [&](int id) {
        RECT r = WindowRectOf(item(id));
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    for (int id = dek::Form3Frame2; id <= dek::Form3Command1; ++id) {
        const RECT r = rect(id);
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.cx && r.bottom <= client.cy) << id;
    }
    auto inside = [&](int inner, int outer) {
        const RECT i = rect(inner), o = rect(outer);
        return i.left > o.left && i.top > o.top && i.right < o.right && i.bottom < o.bottom;
    };
    for (int id : {dek::Form3Label2, dek::Form3Text2, dek::Form3Command2, dek::Form3Label3, dek::Form3Text3,
                   dek::Form3Command3}) {
        EXPECT_TRUE(inside(id, dek::Form3Frame2)) << id;
    }
    for (int id : {dek::Form3Label5, dek::Form3Text4, dek::Form3Label4, dek::Form3Option1On, dek::Form3Option1Off}) {
        EXPECT_TRUE(inside(id, dek::Form3Frame1)) << id;
    }
    const int downward[] = {dek::Form3Frame2, dek::Form3Frame1, dek::Form3Check1, dek::Form3Check2,
                            dek::Form3Text1,  dek::Form3Check3, dek::Form3Label7, dek::Form3Text5,
                            dek::Form3Command1};
    for (size_t i = 1; i < std::size(downward); ++i) {
        EXPECT_GE(rect(downward[i]).top, rect(downward[i - 1]).bottom) << downward[i];
    }
    EXPECT_GE(rect(dek::Form3Option1Off).top, rect(dek::Form3Option1On).bottom);
    EXPECT_GE(rect(dek::Form3Text3).top, rect(dek::Form3Text2).bottom);
}

TEST_F(SettingsDialog, ButtonsAndTheSoundSwitchCarryTheirTooltips) {
    ProgramFolder folder(L"tooltips");
    Dek dek(folder);
    HWND dialog = Open(dek);
    ASSERT_NE(dialog, nullptr);
    HWND tooltip = nullptr;
    for (HWND hwnd : WindowsOfClass(dek.program, TOOLTIPS_CLASSW)) {
        if (GetWindow(hwnd, GW_OWNER) == dialog) tooltip = hwnd;
    }
    ASSERT_NE(tooltip, nullptr);

    // Each tool's record and text are read back through memory of Dek's own.
    std::map<int, std::wstring> tips;
    const LRESULT count = SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0);
    constexpr size_t kTextChars = 256;
    RemoteMemory remote(dek.program.Process(), sizeof(TTTOOLINFOW) + kTextChars * sizeof(wchar_t));
    ASSERT_NE(remote.get(), nullptr);
    for (LRESULT i = 0; i < count; ++i) {
        TTTOOLINFOW info = {};
        info.cbSize = sizeof info;
        info.lpszText = reinterpret_cast<wchar_t*>(remote.get() + sizeof info);
        ASSERT_TRUE(remote.Write(&info, sizeof info));
        ASSERT_TRUE(SendMessageW(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote.get())));
        wchar_t text[kTextChars] = {};
        ASSERT_TRUE(remote.Read(&info, sizeof info));
        ASSERT_TRUE(remote.Read(text, sizeof text - sizeof(wchar_t), sizeof info));
        tips[GetDlgCtrlID(reinterpret_cast<HWND>(info.uId))] = text;
    }
    const std::map<int, std::wstring> expected = {
        {dek::Form3Command2, L"参照"},
        {dek::Form3Command3, L"参照"},
        {dek::Form3Command4, L"参照"},
        {dek::Form3Check3, L"音を鳴らすよ"},
    };
    EXPECT_EQ(tips, expected);
}

TEST_F(SettingsDialog, ASecondClickFillsTheOneOpenDialogAgain) {
    Store(L"changeinterval", L"15");
    ProgramFolder folder(L"refill");
    Dek dek(folder);
    HWND dialog = Open(dek);
    ASSERT_NE(dialog, nullptr);
    HWND text1 = GetDlgItem(dialog, dek::Form3Text1);
    HWND text2 = GetDlgItem(dialog, dek::Form3Text2);
    HWND check1 = GetDlgItem(dialog, dek::Form3Check1);
    SetEditText(text1, L"42");
    SetEditText(text2, L"C:\\typed");
    ASSERT_TRUE(ClickAndWaitChecked(check1, true));

    // Not modal: the main window still takes clicks.
    Click(dek.Control(dek::Command9));
    EXPECT_TRUE(WaitFor([&] { return WindowText(text2) == folder.Path(); }));
    EXPECT_EQ(WindowText(text1), L"15");
    EXPECT_FALSE(IsChecked(check1));
    EXPECT_EQ(WindowsOfClass(dek.program, dek::kSettingsDialogClass), std::vector<HWND>{dialog});
}

TEST_F(SettingsDialog, LettersInTheIntervalBoxEmptyItAndInTheWaitTimeBoxTurnIntoOne) {
    WriteScreenSaver({600, true});
    ProgramFolder folder(L"letters");
    Dek dek(folder);
    HWND dialog = Open(dek);
    ASSERT_NE(dialog, nullptr);
    HWND text1 = GetDlgItem(dialog, dek::Form3Text1);
    HWND text4 = GetDlgItem(dialog, dek::Form3Text4);
    HWND ok = GetDlgItem(dialog, dek::Form3Command1);
    ASSERT_EQ(WindowText(text1), L"60");
    ASSERT_EQ(WindowText(text4), L"10");

    Type(text1, L"abc");
    EXPECT_EQ(WindowText(text1), L"");
    SetEditText(text1, L"12");
    Type(text1, L"x");  // after the 12: the whole text is no number any more
    EXPECT_EQ(WindowText(text1), L"");
    for (const wchar_t* kept : {L" 12", L"2.5", L"-5", L"1e1", L".5"}) {
        SetEditText(text1, kept);
        EXPECT_EQ(WindowText(text1), kept);
    }

    SelectAll(text4);
    Type(text4, L"abc");
    EXPECT_EQ(WindowText(text4), L"1");
    EXPECT_TRUE(IsEnabled(ok));
    SetEditText(text4, L"1,5");
    EXPECT_EQ(WindowText(text4), L"1");
    SetEditText(text4, L"");
    EXPECT_EQ(WindowText(text4), L"1");
    SetEditText(text4, L"0");
    EXPECT_EQ(WindowText(text4), L"0");
    EXPECT_FALSE(IsEnabled(ok));
    SetEditText(text4, L"zz");
    EXPECT_EQ(WindowText(text4), L"1");
    SetEditText(text1, L"5");
    EXPECT_TRUE(IsEnabled(ok));
}

TEST_F(SettingsDialog, WaitTimeRuleEnablesOkForOneToSixtyMinutesAfterRounding) {
    WriteScreenSaver({59, true});
    ProgramFolder folder(L"wait time");
    Dek dek(folder);
    HWND dialog = Open(dek);
    ASSERT_NE(dialog, nullptr);
    HWND text4 = GetDlgItem(dialog, dek::Form3Text4);
    HWND ok = GetDlgItem(dialog, dek::Form3Command1);
    EXPECT_EQ(WindowText(text4), L"0");  // under a minute
    EXPECT_FALSE(IsEnabled(ok));

    const std::pair<const wchar_t*, bool> cases[] = {
        {L"0.5", false}, {L"1", true},  {L"60.5", true}, {L"60.51", false}, {L"61", false},
        {L"-5", false},  {L"30", true}, {L"0.51", true}, {L"1.5", true},
    };
    for (const auto& [text, enabled] : cases) {
        SetEditText(text4, text);
        EXPECT_EQ(WindowText(text4), text);
        EXPECT_EQ(IsEnabled(ok), enabled) << text;
    }
    SetEditText(text4, L"1.5");
    ASSERT_TRUE(ConfirmAndWait(dialog));
    EXPECT_EQ(WaitForScreenSaver({90, true}), (ScreenSaver{90, true}));  // 1.5 minutes
    EXPECT_TRUE(Stored(L"opt2value").has_value());
}

TEST_F(SettingsDialog, OkWithoutTouchingTheWaitTimeSetsWholeMinutesForThisSessionOnly) {
    WriteScreenSaver({90, false});
    // What the system would store with SPIF_UPDATEINIFILE, which OK does not give.
    const std::optional<std::wstring> timeoutValue = DesktopValue(L"ScreenSaveTimeOut");
    const std::optional<std::wstring> activeValue = DesktopValue(L"ScreenSaveActive");
    const platform::ScopeExit restore([&] {
        for (const auto& [name, value] : {std::pair{L"ScreenSaveTimeOut", timeoutValue}, std::pair{L"ScreenSaveActive", activeValue}}) {
            if (value) {
                SetDesktopValue(name, *value);
            } else {
                platform::DeleteRegValue(HKEY_CURRENT_USER, kDesktopKey, name);
            }
        }
    });
    SetDesktopValue(L"ScreenSaveTimeOut", L"777");
    SetDesktopValue(L"ScreenSaveActive", L"7");
    ProgramFolder folder(L"whole minutes");
    Dek dek(folder);
    HWND dialog = Open(dek);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsChecked(GetDlgItem(dialog, dek::Form3Option1Off)));

    ASSERT_TRUE(ConfirmAndWait(dialog));
    EXPECT_EQ(WaitForScreenSaver({60, false}), (ScreenSaver{60, false}));
    EXPECT_EQ(DesktopValue(L"ScreenSaveTimeOut"), L"777");
    EXPECT_EQ(DesktopValue(L"ScreenSaveActive"), L"7");
}

TEST_F(SettingsDialog, OkWritesAllSevenValuesAndTheSystemSettingsAndTheNextOpeningShowsThem) {
    WriteScreenSaver({300, true});
    ProgramFolder folder(L"ok");
    Dek dek(folder);
    HWND dialog = Open(dek);
    ASSERT_NE(dialog, nullptr);
    auto item = [&](int id) { return GetDlgItem(dialog, id); };
    // An untouched dialog writes the defaults.
    ASSERT_TRUE(ConfirmAndWait(dialog));
    EXPECT_EQ(Stored(L"opt1value"), L"0");
    EXPECT_EQ(Stored(L"opt2value"), L"1");
    EXPECT_EQ(Stored(L"opt3value"), L"0");
    EXPECT_EQ(Stored(L"changeinterval"), L"60");
    EXPECT_EQ(Stored(L"wavdir"), L"");
    EXPECT_EQ(Stored(L"defdir"), folder.Path());
    EXPECT_EQ(Stored(L"defdir2"), folder.Path());
    EXPECT_EQ(WaitForScreenSaver({300, true}), (ScreenSaver{300, true}));

    dialog = Open(dek);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ClickAndWaitChecked(item(dek::Form3Check1), true));
    ASSERT_TRUE(ClickAndWaitChecked(item(dek::Form3Check3), true));
    ASSERT_TRUE(ClickAndWaitChecked(item(dek::Form3Option1Off), true));
    EXPECT_FALSE(IsChecked(item(dek::Form3Option1On)));
    SetEditText(item(dek::Form3Text1), L"2.5");
    SetEditText(item(dek::Form3Text5), L"D:\\sounds\\bell.wav");
    SetEditText(item(dek::Form3Text2), L"D:\\pictures");
    SetEditText(item(dek::Form3Text3), L"");
    SetEditText(item(dek::Form3Text4), L"60.5");
    ASSERT_TRUE(ConfirmAndWait(dialog));
    EXPECT_EQ(Stored(L"opt1value"), L"1");
    EXPECT_EQ(Stored(L"opt2value"), L"1");
    EXPECT_EQ(Stored(L"opt3value"), L"1");
    EXPECT_EQ(Stored(L"changeinterval"), L"2");  // 2.5 rounds to the even 2
    EXPECT_EQ(Stored(L"wavdir"), L"D:\\sounds\\bell.wav");
    EXPECT_EQ(Stored(L"defdir"), L"D:\\pictures");
    EXPECT_EQ(Stored(L"defdir2"), L"");  // taken as it stands
    EXPECT_EQ(WaitForScreenSaver({3630, false}), (ScreenSaver{3630, false}));  // 60.5 minutes

    // The next opening shows what OK applied, "OFF" included.
    dialog = Open(dek);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsChecked(item(dek::Form3Option1Off)));
    EXPECT_FALSE(IsChecked(item(dek::Form3Option1On)));
    EXPECT_EQ(WindowText(item(dek::Form3Text1)), L"2");
    EXPECT_EQ(WindowText(item(dek::Form3Text4)), L"60");
    EXPECT_EQ(WindowText(item(dek::Form3Text2)), L"D:\\pictures");
    EXPECT_TRUE(IsChecked(item(dek::Form3Check1)));
    SetEditText(item(dek::Form3Text1), L"3.5");
    ASSERT_TRUE(ClickAndWaitChecked(item(dek::Form3Option1On), true));
    ASSERT_TRUE(ConfirmAndWait(dialog));
    EXPECT_EQ(Stored(L"changeinterval"), L"4");  // 3.5 rounds to the even 4
    EXPECT_EQ(WaitForScreenSaver({3600, true}), (ScreenSaver{3600, true}));
}

TEST_F(SettingsDialog, ClosingWithoutOkKeepsSettingsStoreAndSystemAsTheyWere) {
    Store(L"changeinterval", L"20");
    WriteScreenSaver({120, true});
    ProgramFolder folder(L"close");
    Dek dek(folder);
    HWND dialog = Open(dek);
    ASSERT_NE(dialog, nullptr);
    auto item = [&](int id) { return GetDlgItem(dialog, id); };
    ASSERT_TRUE(ClickAndWaitChecked(item(dek::Form3Check1), true));
    ASSERT_TRUE(ClickAndWaitChecked(item(dek::Form3Option1Off), true));
    SetEditText(item(dek::Form3Text1), L"7");
    SetEditText(item(dek::Form3Text2), L"C:\\elsewhere");
    SetEditText(item(dek::Form3Text4), L"30");
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));

    EXPECT_EQ(Stored(L"changeinterval"), L"20");
    EXPECT_FALSE(Stored(L"opt1value").has_value());
    EXPECT_FALSE(Stored(L"defdir").has_value());
    EXPECT_EQ(ReadScreenSaver(), (ScreenSaver{120, true}));

    // The module state is untouched too: a new dialog shows the old values.
    dialog = Open(dek);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(item(dek::Form3Text1)), L"20");
    EXPECT_EQ(WindowText(item(dek::Form3Text2)), folder.Path());
    EXPECT_FALSE(IsChecked(item(dek::Form3Check1)));
    EXPECT_TRUE(IsChecked(item(dek::Form3Option1On)));
}

TEST_F(SettingsDialog, StaysOpenWhenTheMainWindowClosesAndItsOkStillApplies) {
    ProgramFolder folder(L"main closed");
    Dek dek(folder);
    HWND dialog = Open(dek);
    ASSERT_NE(dialog, nullptr);
    PostMessageW(dek.main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dek.main); }));
    EXPECT_FALSE(dek.program.HasExited());
    SetEditText(GetDlgItem(dialog, dek::Form3Text1), L"5");
    ASSERT_TRUE(ConfirmAndWait(dialog));
    EXPECT_EQ(dek.program.WaitForExit(), 0u);  // the last window has gone
    EXPECT_EQ(Stored(L"changeinterval"), L"5");
}

// An interval that is not a whole number of minutes from 0 to 32767 never reaches the settings.
TEST_F(SettingsDialog, AnUnusableIntervalDisablesOkWhileTimedChangesAreTicked) {
    Store(L"changeinterval", L"25");
    ProgramFolder folder(L"interval");
    Dek dek(folder);
    HWND dialog = Open(dek);
    ASSERT_NE(dialog, nullptr);
    HWND check2 = GetDlgItem(dialog, dek::Form3Check2);
    HWND text1 = GetDlgItem(dialog, dek::Form3Text1);
    HWND ok = GetDlgItem(dialog, dek::Form3Command1);
    ASSERT_TRUE(IsChecked(check2));
    ASSERT_TRUE(IsEnabled(ok));
    for (const wchar_t* refused : {L"", L"-5", L"-0.6", L"32767.5", L"40000", L"1e9"}) {
        SetEditText(text1, refused);
        EXPECT_FALSE(IsEnabled(ok)) << refused;
    }
    for (const wchar_t* accepted : {L"0", L"-0.4", L"32767", L"2.5"}) {
        SetEditText(text1, accepted);
        EXPECT_TRUE(IsEnabled(ok)) << accepted;
    }

    // A click that reaches the disabled OK anyway (sent, so handled when the call returns)
    // applies nothing.
    SetEditText(text1, L"-5");
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(dek::Form3Command1, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_FALSE(Stored(L"opt2value").has_value());
    EXPECT_EQ(Stored(L"changeinterval"), L"25");

    // Unticked: the box is disabled, keeps its text, and OK keeps the interval it had.
    ASSERT_TRUE(ClickAndWaitChecked(check2, false));
    EXPECT_FALSE(IsEnabled(text1));
    EXPECT_EQ(WindowText(text1), L"-5");
    EXPECT_TRUE(IsEnabled(ok));
    ASSERT_TRUE(ClickAndWaitChecked(check2, true));
    EXPECT_TRUE(IsEnabled(text1));
    EXPECT_FALSE(IsEnabled(ok));
    ASSERT_TRUE(ClickAndWaitChecked(check2, false));
    ASSERT_TRUE(ConfirmAndWait(dialog));
    EXPECT_EQ(Stored(L"opt2value"), L"0");
    EXPECT_EQ(Stored(L"changeinterval"), L"25");

    // A usable interval with Check2 clear is stored as it stands.
    dialog = Open(dek);
    ASSERT_NE(dialog, nullptr);
    text1 = GetDlgItem(dialog, dek::Form3Text1);
    EXPECT_FALSE(IsEnabled(text1));
    SetEditText(text1, L"45");
    ASSERT_TRUE(ConfirmAndWait(dialog));
    EXPECT_EQ(Stored(L"changeinterval"), L"45");
}

TEST_F(SettingsDialog, FolderBrowserBelongsToTheMainWindowAndReturnsLongPaths) {
    ProgramFolder folder(L"browse");
    // Longer than 128 characters, and below MAX_PATH so that every shell can show it. Outside the
    // user's profile, whose folders the browser under Wine cannot select by path.
    const std::wstring top = L"C:\\dek-browse-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring chosen = top + L"\\" + std::wstring(60, L'a') + L"\\" + std::wstring(60, L'b');
    ASSERT_GT(chosen.size(), 128u);
    std::filesystem::create_directories(chosen);
    const platform::ScopeExit removeTop([&] {
        std::error_code ignored;
        std::filesystem::remove_all(top, ignored);
    });
    Dek dek(folder);
    HWND dialog = Open(dek);
    ASSERT_NE(dialog, nullptr);
    HWND text2 = GetDlgItem(dialog, dek::Form3Text2);
    HWND text3 = GetDlgItem(dialog, dek::Form3Text3);

    // Cancelled: nothing changes.
    Click(GetDlgItem(dialog, dek::Form3Command2));
    HWND browser = WaitForOwnedDialog(dek.program, dek.main);
    ASSERT_NE(browser, nullptr);
    Click(GetDlgItem(browser, IDCANCEL));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(browser); }));
    EXPECT_EQ(WindowText(text2), folder.Path());

    // A chosen folder's full path, whatever its length.
    Click(GetDlgItem(dialog, dek::Form3Command3));
    browser = WaitForOwnedDialog(dek.program, dek.main);
    ASSERT_NE(browser, nullptr);
    const size_t bytes = (chosen.size() + 1) * sizeof(wchar_t);
    RemoteMemory path(dek.program.Process(), bytes);
    ASSERT_TRUE(path.Write(chosen.c_str(), bytes));
    // The browser may show before its tree is filled; the selection is asked for until it holds.
    HWND tree = ChildOfClass(browser, WC_TREEVIEWW);
    ASSERT_TRUE(WaitFor([&] {
        SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(path.get()));
        return SelectedTreeItem(tree, dek.program.Process()) == std::wstring(60, L'b');
    }));
    Click(GetDlgItem(browser, IDOK));
    EXPECT_TRUE(WaitFor([&] { return WindowText(text3) == chosen; })) << WindowText(text3);
    EXPECT_EQ(WindowText(text2), folder.Path());
}

TEST_F(SettingsDialog, AVirtualFolderCannotBeConfirmedInTheFolderBrowser) {
    ProgramFolder folder(L"virtual");
    Dek dek(folder);
    HWND dialog = Open(dek);
    ASSERT_NE(dialog, nullptr);
    Click(GetDlgItem(dialog, dek::Form3Command2));
    HWND browser = WaitForOwnedDialog(dek.program, dek.main);
    ASSERT_NE(browser, nullptr);
    HWND ok = GetDlgItem(browser, IDOK);
    auto select = [&](int csidl) {
        PIDLIST_ABSOLUTE item = nullptr;
        if (SHGetSpecialFolderLocation(nullptr, csidl, &item) != S_OK) return false;
        const UINT size = ILGetSize(item);
        RemoteMemory remote(dek.program.Process(), size);
        const bool written = remote.Write(item, size);
        CoTaskMemFree(item);
        if (written) SendMessageW(browser, BFFM_SETSELECTIONW, FALSE, reinterpret_cast<LPARAM>(remote.get()));
        return written;
    };
    // "My Computer" is no folder of the file system; the Windows folder is. (The browser may
    // show before its tree is filled, so a selection is asked for until it holds.)
    EXPECT_TRUE(WaitFor([&] { return select(CSIDL_DRIVES) && !IsEnabled(ok); }));
    EXPECT_TRUE(WaitFor([&] { return select(CSIDL_WINDOWS) && IsEnabled(ok); }));
    Click(GetDlgItem(browser, IDCANCEL));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(browser); }));
    EXPECT_EQ(WindowText(GetDlgItem(dialog, dek::Form3Text2)), folder.Path());
}

TEST_F(SettingsDialog, WavChooserBelongsToTheDialogAndOpensInTheProgramFolder) {
    Store(L"wavdir", L"C:\\old\\ding.wav");
    ProgramFolder folder(L"wav");
    WriteFile(folder / L"chime.wav", "RIFF");
    Dek dek(folder);
    HWND dialog = Open(dek);
    ASSERT_NE(dialog, nullptr);
    HWND text5 = GetDlgItem(dialog, dek::Form3Text5);

    Click(GetDlgItem(dialog, dek::Form3Command4));
    HWND chooser = WaitForOwnedDialog(dek.program, dialog);
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(WindowText(chooser), L"WAVﾌｧｲﾙの選択");
    Click(GetDlgItem(chooser, IDCANCEL));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(chooser); }));
    EXPECT_EQ(WindowText(text5), L"C:\\old\\ding.wav");

    // A bare file name is found in the folder the chooser opened in.
    Click(GetDlgItem(dialog, dek::Form3Command4));
    chooser = WaitForOwnedDialog(dek.program, dialog);
    ASSERT_NE(chooser, nullptr);
    HWND name = GetDlgItem(chooser, cmb13);
    if (!name) name = GetDlgItem(chooser, edt1);
    ASSERT_NE(name, nullptr);
    SetEditText(name, L"chime.wav");
    Click(GetDlgItem(chooser, IDOK));
    EXPECT_TRUE(WaitFor([&] { return WindowText(text5) == folder / L"chime.wav"; })) << WindowText(text5);
}

// The main window's change timer, shown by its changes: DekQuickTimer counts a minute every
// 100 ms, so with an interval of 1 the wallpaper changes ten times a second while it runs.
class SettingsDialogTimer : public SettingsDialog {
protected:
    static void TwoWallpapers(const ProgramFolder& folder) {
        UseQuickTimer(folder);
        WriteFile(folder.Wall() + L"\\w1.bmp", BitmapBytes(8, 8, 0x102030u));
        WriteFile(folder.Wall() + L"\\w2.bmp", BitmapBytes(8, 8, 0x405060u));
    }
    static std::optional<std::wstring> Wallpaper() { return DesktopValue(L"Wallpaper"); }
    // True when the wallpaper changes again within the deadline.
    static bool WallpaperChanges(std::chrono::milliseconds deadline = kDeadline) {
        const std::optional<std::wstring> before = Wallpaper();
        return WaitFor([&] { return Wallpaper() != before; }, deadline);
    }
    // Ten ticks of a timer that would still run.
    static constexpr auto kQuietSpell = 1000ms;

    DesktopGuard desktop_;
};

TEST_F(SettingsDialogTimer, OkSwitchesTheTimerOn) {
    Store(L"opt2value", L"0");
    Store(L"changeinterval", L"1");
    ProgramFolder folder(L"timer on");
    TwoWallpapers(folder);
    SetDesktopValue(L"Wallpaper", L"untouched");
    Dek dek(folder);
    HWND dialog = Open(dek);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Wallpaper(), L"untouched");
    ASSERT_TRUE(ClickAndWaitChecked(GetDlgItem(dialog, dek::Form3Check2), true));
    ASSERT_TRUE(ConfirmAndWait(dialog));
    EXPECT_TRUE(WallpaperChanges());
    EXPECT_TRUE(WallpaperChanges());  // again and again, not once
}

TEST_F(SettingsDialogTimer, OkSwitchesTheTimerOffWithCheck2ClearOrAnIntervalOfZero) {
    Store(L"changeinterval", L"1");
    ProgramFolder folder(L"timer off");
    TwoWallpapers(folder);
    Dek dek(folder);
    for (bool untickCheck2 : {true, false}) {
        HWND dialog = Open(dek);
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(IsChecked(GetDlgItem(dialog, dek::Form3Check2)));
        // The timer runs on while the dialog is open.
        EXPECT_TRUE(WallpaperChanges()) << untickCheck2;
        if (untickCheck2) {
            ASSERT_TRUE(ClickAndWaitChecked(GetDlgItem(dialog, dek::Form3Check2), false));
        } else {
            SetEditText(GetDlgItem(dialog, dek::Form3Text1), L"0");
        }
        ASSERT_TRUE(ConfirmAndWait(dialog));
        EXPECT_FALSE(WallpaperChanges(kQuietSpell)) << untickCheck2;

        // Back on for the next round.
        dialog = Open(dek);
        ASSERT_NE(dialog, nullptr);
        if (untickCheck2) {
            ASSERT_TRUE(ClickAndWaitChecked(GetDlgItem(dialog, dek::Form3Check2), true));
        }
        SetEditText(GetDlgItem(dialog, dek::Form3Text1), L"1");
        ASSERT_TRUE(ConfirmAndWait(dialog));
        EXPECT_TRUE(WallpaperChanges()) << untickCheck2;
    }
}

TEST_F(SettingsDialogTimer, ClosingWithoutOkLeavesTheTimerAsItWas) {
    Store(L"changeinterval", L"1");
    ProgramFolder folder(L"timer kept");
    TwoWallpapers(folder);
    Dek dek(folder);
    HWND dialog = Open(dek);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ClickAndWaitChecked(GetDlgItem(dialog, dek::Form3Check2), false));
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(WallpaperChanges());
}

}  // namespace
