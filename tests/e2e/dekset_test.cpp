// DekSet worked from outside, as a user would: its window, the shortcuts it writes and the
// messages it shows. Every shortcut written is read back by the shell and handed to lnkinfo.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/dpi.h"
#include "platform/error_text.h"
#include "platform/files.h"
#include "shortcut_maker/control_ids.h"
#include "tests/e2e/dekset_links.h"
#include "tests/support/driver.h"
#include "tests/support/program_folder.h"

namespace {

using namespace dektest;
using dekset::Option1;

constexpr wchar_t kTitle[] = L"DEKショートカット作成";
constexpr wchar_t kCreated[] = L"ショートカットを作成しました";
constexpr wchar_t kNormalLink[] = L"Dek通常起動.LNK";
constexpr wchar_t kHiddenLink[] = L"Dek最小化状態で起動.LNK";
constexpr wchar_t kRandomLink[] = L"Dekランダム変更のみ.LNK";

// A program folder holding DekSet.exe with Dek.exe beside it.
struct MakerFolder : ProgramFolder {
    explicit MakerFolder(std::wstring_view name) : ProgramFolder(name, L"DekSet.exe") { AddProgram(L"Dek.exe"); }
};

// One message box as the program showed it; its OK has been pressed.
struct Box {
    std::wstring title;
    std::wstring text;
    bool icon = false;
    int buttons = 0;
};

bool ShowsIcon(HWND box) {
    bool found = false;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM lParam) -> BOOL {
            const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
            if (ClassNameOf(child) == L"Static" && (style & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child) &&
                SendMessageW(child, STM_GETICON, 0, 0) != 0) {
                *reinterpret_cast<bool*>(lParam) = true;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

int CountButtons(HWND box) {
    int count = 0;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM lParam) -> BOOL {
            if (CompareStringOrdinal(ClassNameOf(child).c_str(), -1, L"Button", -1, TRUE) == CSTR_EQUAL &&
                IsWindowVisible(child)) {
                ++*reinterpret_cast<int*>(lParam);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// DekSet started from a maker folder, with its window.
struct DekSet {
    explicit DekSet(const ProgramFolder& folder)
        : program(folder.Exe(), L"", folder.Path()), form(program.WaitForWindow(kTitle, dekset::kWindowClass)) {}

    HWND Control(int id) const { return GetDlgItem(form, id); }
    std::wstring FieldText() const { return WindowText(Control(dekset::Combo1)); }

    // Typing replaces the text of Combo1 without choosing from its list.
    void Type(const std::wstring& text) const {
        SendMessageW(Control(dekset::Combo1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    void ChooseMode(int option) const {
        Click(Control(Option1(option)));
        WaitFor([&] { return IsChecked(Control(Option1(option))); });
    }

    bool AnyDialog() const {
        for (HWND hwnd : program.TopLevelWindows()) {
            if (ClassNameOf(hwnd) == L"#32770") return true;
        }
        return false;
    }

    // True when, the box gone and the program's handler run to its end, no other box follows.
    bool SettlesWithoutBox() const {
        if (!WaitFor([&] { return !AnyDialog(); })) return false;
        DWORD_PTR result = 0;
        SendMessageTimeoutW(form, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
        return !AnyDialog();
    }

    // Presses a button and answers the message box it brings: its contents, once OK is pressed
    // and the program has settled; nullopt when no box came or another followed it.
    std::optional<Box> PressAndAnswer(int button) const {
        Click(Control(button));
        HWND box = program.WaitForMessageBox();
        if (!box) return std::nullopt;
        Box shown{WindowText(box), MessageBoxText(box), ShowsIcon(box), CountButtons(box)};
        HWND ok = FindControlByText(box, L"OK");
        if (!ok) return std::nullopt;
        Click(ok);
        if (!SettlesWithoutBox()) return std::nullopt;
        return shown;
    }
    std::optional<Box> Create() const { return PressAndAnswer(dekset::Command5); }

    RunningProgram program;
    HWND form;
};

void ExpectCreatedBox(const std::optional<Box>& box) {
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, kTitle);
    EXPECT_EQ(box->text, kCreated);
    EXPECT_FALSE(box->icon);
    EXPECT_EQ(box->buttons, 1);
}

void ExpectErrorBox(const std::optional<Box>& box, const std::wstring& text) {
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, kTitle);
    EXPECT_EQ(box->text, text);
    EXPECT_TRUE(box->icon);
    EXPECT_EQ(box->buttons, 1);
}

std::wstring TemporaryLink() { return platform::TempFolder() + L"LinkTmp.lnk"; }

void Remove(const std::wstring& path) {
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::path(path), ignored);
}

TEST(DekSetWindow, OpensCentredWithEveryControlInPlaceAndTheNormalStartIntoStartupChosen) {
    MakerFolder folder(L"window");
    DekSet dekset(folder);
    HWND form = dekset.form;
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(IsWindowVisible(form));

    // A fixed frame with a close box only.
    const LONG_PTR style = GetWindowLongPtrW(form, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE((style & WS_CAPTION) == WS_CAPTION);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));

    const int dpi = platform::ScreenDpi();
    auto px = [dpi](int twips) { return platform::TwipsToPixels(twips, dpi); };
    const SIZE client = ClientSize(form);
    EXPECT_EQ(client.cx, px(6630));
    EXPECT_EQ(client.cy, px(1575));
    const RECT frame = WindowRectOf(form);
    EXPECT_NEAR(frame.left, (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2, 1);
    EXPECT_NEAR(frame.top, (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2, 1);

    struct Expected {
        int id;
        const wchar_t* caption;
        int left, top, width, height;
    };
    // In keyboard order.
    const Expected controls[] = {
        {dekset::Label2, L"ショートカットを作成するフォルダ", 120, 120, 2475, 180},
        {dekset::Command2, L"...", 6240, 360, 255, 255},
        {dekset::Command5, L"ショートカット作成", 3360, 1200, 1815, 255},
        {dekset::Command6, L"終了", 5280, 1200, 1215, 255},
        {dekset::Combo1, L"スタートアップ", 120, 360, 6015, 0},
        {Option1(0), L"通常起動", 120, 720, 2655, 255},
        {Option1(1), L"最小化状態で起動(-s)", 120, 960, 2655, 255},
        {Option1(2), L"ランダム変更のみ(-e)", 120, 1200, 2655, 255},
    };
    HWND child = GetWindow(form, GW_CHILD);
    for (const Expected& c : controls) {
        ASSERT_NE(child, nullptr) << c.id;
        EXPECT_EQ(GetDlgCtrlID(child), c.id);
        child = GetWindow(child, GW_HWNDNEXT);

        HWND control = dekset.Control(c.id);
        EXPECT_EQ(WindowText(control), c.caption) << c.id;
        RECT r = WindowRectOf(control);
        MapWindowPoints(HWND_DESKTOP, form, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, px(c.left)) << c.id;
        EXPECT_EQ(r.top, px(c.top)) << c.id;
        if (c.id == dekset::Label2) {
            // The caption is never cut: the label may grow to the right to hold it on one line.
            EXPECT_GE(r.right - r.left, px(c.width));
        } else {
            EXPECT_EQ(r.right - r.left, px(c.width)) << c.id;
        }
        // A combo box's closed height follows its font.
        if (c.height) {
            EXPECT_EQ(r.bottom - r.top, px(c.height)) << c.id;
        }
        EXPECT_TRUE(IsEnabled(control)) << c.id;
    }
    for (int id : {int{dekset::Command2}, int{dekset::Command5}, int{dekset::Command6}, int{dekset::Combo1}, Option1(0)}) {
        EXPECT_TRUE(GetWindowLongPtrW(dekset.Control(id), GWL_STYLE) & WS_TABSTOP) << id;
    }

    HWND combo = dekset.Control(dekset::Combo1);
    std::vector<std::wstring> items;
    for (LRESULT i = 0, n = SendMessageW(combo, CB_GETCOUNT, 0, 0); i < n; ++i) {
        wchar_t item[64] = {};
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
        items.emplace_back(item);
    }
    EXPECT_EQ(items, (std::vector<std::wstring>{L"スタートアップ", L"デスクトップ"}));
    EXPECT_EQ(ComboSelection(combo), 0);
    EXPECT_TRUE(IsChecked(dekset.Control(Option1(0))));
    EXPECT_FALSE(IsChecked(dekset.Control(Option1(1))));
    EXPECT_FALSE(IsChecked(dekset.Control(Option1(2))));

    // Only one start mode at a time.
    dekset.ChooseMode(2);
    EXPECT_FALSE(IsChecked(dekset.Control(Option1(0))));
    EXPECT_FALSE(IsChecked(dekset.Control(Option1(1))));
}

TEST(DekSetWindow, ExitButtonAndCloseBoxEndTheProgram) {
    MakerFolder folder(L"exit");
    {
        DekSet dekset(folder);
        ASSERT_NE(dekset.form, nullptr);
        Click(dekset.Control(dekset::Command6));
        EXPECT_EQ(dekset.program.WaitForExit(), 0u);
    }
    DekSet dekset(folder);
    ASSERT_NE(dekset.form, nullptr);
    PostMessageW(dekset.form, WM_CLOSE, 0, 0);
    EXPECT_EQ(dekset.program.WaitForExit(), 0u);
}

TEST(DekSetWindow, TheBrowserFillsTheFieldOnlyWithAConfirmedFolder) {
    MakerFolder folder(L"browse");
    DekSet dekset(folder);
    ASSERT_NE(dekset.form, nullptr);

    Click(dekset.Control(dekset::Command2));
    HWND browser = dekset.program.WaitForMessageBox();
    ASSERT_NE(browser, nullptr);
    EXPECT_NE(FindControlByText(browser, L"ショートカットを作成するフォルダ"), nullptr);
    Click(GetDlgItem(browser, IDCANCEL));
    ASSERT_TRUE(dekset.SettlesWithoutBox());
    EXPECT_EQ(dekset.FieldText(), L"スタートアップ");

    // Confirmed as it opens, the browser gives the folder it starts on.
    Click(dekset.Control(dekset::Command2));
    browser = dekset.program.WaitForMessageBox();
    ASSERT_NE(browser, nullptr);
    Click(GetDlgItem(browser, IDOK));
    ASSERT_TRUE(dekset.SettlesWithoutBox());
    EXPECT_EQ(dekset.FieldText(), ShellFolder(CSIDL_DESKTOPDIRECTORY));
}

class DekSetShortcuts : public testing::Test {
protected:
    void SetUp() override { Remove(TemporaryLink()); }
    void TearDown() override { Remove(TemporaryLink()); }
};

TEST_F(DekSetShortcuts, CreatingAtOnceWritesTheNormalStartIntoTheStartupFolder) {
    const std::wstring startup = ShellFolder(CSIDL_STARTUP);
    ASSERT_FALSE(startup.empty());
    const std::wstring normal = startup + L"\\" + kNormalLink;
    const std::wstring random = startup + L"\\" + kRandomLink;
    Remove(normal);
    Remove(random);
    platform::ScopeExit cleanUp([&] {
        Remove(normal);
        Remove(random);
    });

    MakerFolder folder(L"デコ startup");
    DekSet dekset(folder);
    ASSERT_NE(dekset.form, nullptr);
    ExpectCreatedBox(dekset.Create());
    ExpectLink(normal, DekSetLink(folder.Path(), L""));
    EXPECT_FALSE(Exists(TemporaryLink()));

    // The window stays for the next one.
    EXPECT_FALSE(dekset.program.HasExited());
    dekset.ChooseMode(2);
    ExpectCreatedBox(dekset.Create());
    ExpectLink(random, DekSetLink(folder.Path(), L"-e"));
}

TEST_F(DekSetShortcuts, TheHiddenStartGoesOnTheDesktopChosenFromTheListOrTyped) {
    MakerFolder folder(L"desktop");
    const std::wstring desktop = folder / L"desktop";
    ASSERT_TRUE(platform::CreateFolder(desktop));
    ShellFolderRedirect redirect(L"Desktop", desktop);
    const std::wstring link = desktop + L"\\" + kHiddenLink;

    DekSet dekset(folder);
    ASSERT_NE(dekset.form, nullptr);
    dekset.ChooseMode(1);
    // The arrow key in the field moves the choice to the list's next entry.
    HWND edit = FindWindowExW(dekset.Control(dekset::Combo1), nullptr, L"Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    PostMessageW(edit, WM_KEYDOWN, VK_DOWN, 0);
    ASSERT_TRUE(WaitFor([&] { return dekset.FieldText() == L"デスクトップ"; }));
    EXPECT_TRUE(IsEnabled(dekset.Control(dekset::Command5)));
    ExpectCreatedBox(dekset.Create());
    ExpectLink(link, DekSetLink(folder.Path(), L"-s"));

    Remove(link);
    dekset.Type(L"デスクトップ");
    ExpectCreatedBox(dekset.Create());
    ExpectLink(link, DekSetLink(folder.Path(), L"-s"));

    // Only the exact text names the desktop: with a blank it is a folder, and here a missing one.
    Remove(link);
    dekset.Type(L"デスクトップ ");
    const std::optional<Box> box = dekset.Create();
    ASSERT_TRUE(box.has_value());
    EXPECT_NE(box->text, kCreated);
    EXPECT_FALSE(Exists(link));
}

TEST_F(DekSetShortcuts, TypedFoldersWithOneOrTwoTrailingSeparatorsAndNonAnsiNames) {
    MakerFolder folder(L"typed ショートカット");
    const std::wstring target = folder / L"リンク 한글 Ünï";
    ASSERT_TRUE(platform::CreateFolder(target));
    const std::wstring link = target + L"\\" + kRandomLink;

    DekSet dekset(folder);
    ASSERT_NE(dekset.form, nullptr);
    dekset.ChooseMode(2);
    dekset.Type(target + L"\\");
    ExpectCreatedBox(dekset.Create());
    ExpectLink(link, DekSetLink(folder.Path(), L"-e"));

    Remove(link);
    dekset.Type(target + L"\\\\");
    ExpectCreatedBox(dekset.Create());
    ExpectLink(link, DekSetLink(folder.Path(), L"-e"));
}

TEST_F(DekSetShortcuts, ASecondShortcutReplacesTheFirstWithoutAsking) {
    MakerFolder first(L"first");
    MakerFolder second(L"두 번째 é");
    const std::wstring target = first / L"links";
    ASSERT_TRUE(platform::CreateFolder(target));
    const std::wstring link = target + L"\\" + kNormalLink;

    for (const MakerFolder* maker : {&first, &second}) {
        DekSet dekset(*maker);
        ASSERT_NE(dekset.form, nullptr);
        dekset.Type(target);
        ExpectCreatedBox(dekset.Create());
        ExpectLink(link, DekSetLink(maker->Path(), L""));
        Click(dekset.Control(dekset::Command6));
        EXPECT_EQ(dekset.program.WaitForExit(), 0u);
    }
}

TEST_F(DekSetShortcuts, AMissingFolderGivesTheErrorBoxAndWritesNothingThere) {
    MakerFolder folder(L"missing");
    const std::wstring missing = folder / L"no such folder";
    const std::wstring link = missing + L"\\" + kNormalLink;

    DekSet dekset(folder);
    ASSERT_NE(dekset.form, nullptr);
    dekset.Type(missing);
    ExpectErrorBox(dekset.Create(), platform::ErrorText(ERROR_PATH_NOT_FOUND) + L"\r3");
    EXPECT_FALSE(Exists(link));
    EXPECT_FALSE(Exists(missing));
    // The shortcut was complete before the copy failed; it stays in the temporary folder.
    ExpectLink(TemporaryLink(), DekSetLink(folder.Path(), L""));

    // The window stays for another try.
    ASSERT_TRUE(platform::CreateFolder(missing));
    ExpectCreatedBox(dekset.Create());
    ExpectLink(link, DekSetLink(folder.Path(), L""));
}

TEST_F(DekSetShortcuts, AStartupFolderThatCannotBeFoundIsReportedNotReplacedByTheDriveRoot) {
    MakerFolder folder(L"lost startup");
    ShellFolderRedirect redirect(L"Startup", folder / L"gone\\Startup");
    ASSERT_TRUE(ShellFolder(CSIDL_STARTUP).empty());
    const std::wstring root = folder.Path().substr(0, 3) + kNormalLink;
    Remove(root);

    DekSet dekset(folder);
    ASSERT_NE(dekset.form, nullptr);
    const std::optional<Box> box = dekset.Create();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, kTitle);
    EXPECT_TRUE(box->icon);
    // The shell's description, a CR and its number.
    const size_t cr = box->text.rfind(L'\r');
    ASSERT_NE(cr, std::wstring::npos) << testing::PrintToString(box->text);
    EXPECT_GT(cr, 0u);
    EXPECT_NE(std::stoll(box->text.substr(cr + 1)), 0);
    EXPECT_FALSE(Exists(root));
    EXPECT_FALSE(Exists(TemporaryLink()));
}

TEST_F(DekSetShortcuts, AnEmptiedFieldStillCreatesAtTheRootOfTheCurrentDrive) {
    MakerFolder folder(L"emptied");
    const std::wstring root = folder.Path().substr(0, 3) + kNormalLink;
    Remove(root);
    platform::ScopeExit cleanUp([&] { Remove(root); });

    DekSet dekset(folder);
    ASSERT_NE(dekset.form, nullptr);
    dekset.Type(L"");
    EXPECT_TRUE(IsEnabled(dekset.Control(dekset::Command5)));
    ExpectCreatedBox(dekset.Create());
    ExpectLink(root, DekSetLink(folder.Path(), L""));
}

}  // namespace
