// DekSet worked from outside, as a user would: its window, the shortcuts it writes and the
// boxes it shows. Every shortcut is checked by its header and by lnkinfo (see dekset_links.h).
#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <string>

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

// A program folder holding DekSet.exe with Dek.exe beside it.
struct MakerFolder : ProgramFolder {
    explicit MakerFolder(std::wstring_view name) : ProgramFolder(name, L"DekSet.exe") { AddProgram(L"Dek.exe"); }
};

// DekSet started from a maker folder, with its window.
struct DekSet {
    explicit DekSet(const MakerFolder& maker)
        : folder(maker.Path()), program(maker.Exe(), L"", folder), form(program.WaitForWindow(kTitle, dekset::kWindowClass)) {}

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
        return std::ranges::any_of(program.TopLevelWindows(), [](HWND hwnd) { return ClassNameOf(hwnd) == L"#32770"; });
    }
    // True when, the box gone and the program's handler run to its end, no other box follows.
    bool SettlesWithoutBox() const {
        if (!WaitFor([&] { return !AnyDialog(); })) return false;
        DWORD_PTR result = 0;
        SendMessageTimeoutW(form, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
        return !AnyDialog();
    }

    // Presses create and answers the box it brings, expected with the program's title, OK only, an
    // icon for an error and none otherwise, and no box after it. Its text.
    std::wstring Create(bool error) const {
        Click(Control(dekset::Command5));
        HWND box = program.WaitForMessageBox();
        EXPECT_NE(box, nullptr);
        if (!box) return L"";
        EXPECT_EQ(WindowText(box), kTitle);
        int icons = 0, buttons = 0;
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const std::wstring kind = IsWindowVisible(child) ? ClassNameOf(child) : L"";
            icons += kind == L"Static" && (GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
                     SendMessageW(child, STM_GETICON, 0, 0) != 0;
            buttons += CompareStringOrdinal(kind.c_str(), -1, L"Button", -1, TRUE) == CSTR_EQUAL;
        }
        EXPECT_EQ(icons, error ? 1 : 0);
        EXPECT_EQ(buttons, 1);
        const std::wstring text = MessageBoxText(box);
        Click(FindControlByText(box, L"OK"));
        EXPECT_TRUE(SettlesWithoutBox());
        return text;
    }
    // Presses create and expects the success box and this maker's shortcut at `link`.
    void ExpectCreates(const std::wstring& link, const std::wstring& arguments) const {
        EXPECT_EQ(Create(false), kCreated);
        ExpectLink(link, DekSetLink(folder, arguments));
    }

    std::wstring folder;
    RunningProgram program;
    HWND form;
};

TEST(DekSetWindow, OpensCentredAsLaidOutBrowsesForAFolderAndCloses) {
    MakerFolder maker(L"window");
    DekSet dekset(maker);
    HWND form = dekset.form;
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(IsWindowVisible(form));
    // A fixed frame with a close box only.
    const LONG_PTR style = GetWindowLongPtrW(form, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), WS_CAPTION | WS_SYSMENU);

    const int dpi = platform::SystemDpi();
    auto px = [dpi](int twips) { return platform::TwipsToPixels(twips, dpi); };
    EXPECT_EQ(ClientSize(form).cx, px(6630));
    EXPECT_EQ(ClientSize(form).cy, px(1575));
    const RECT frame = WindowRectOf(form);
    EXPECT_NEAR(frame.left, (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2, 1);
    EXPECT_NEAR(frame.top, (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2, 1);

    // In keyboard order; a height of 0: a combo box's closed height follows its font.
    const struct {
        int id;
        const wchar_t* caption;
        int left, top, width, height;
        bool tabStop;
    } controls[] = {
        {dekset::Label2, L"ショートカットを作成するフォルダ", 120, 120, 2475, 180, false},
        {dekset::Command2, L"...", 6240, 360, 255, 255, true},
        {dekset::Command5, L"ショートカット作成", 3360, 1200, 1815, 255, true},
        {dekset::Command6, L"終了", 5280, 1200, 1215, 255, true},
        {dekset::Combo1, L"スタートアップ", 120, 360, 6015, 0, true},
        {Option1(0), L"通常起動", 120, 720, 2655, 255, true},
        {Option1(1), L"最小化状態で起動(-s)", 120, 960, 2655, 255, false},
        {Option1(2), L"ランダム変更のみ(-e)", 120, 1200, 2655, 255, false},
    };
    HWND child = GetWindow(form, GW_CHILD);
    for (const auto& c : controls) {
        ASSERT_NE(child, nullptr) << c.id;
        EXPECT_EQ(GetDlgCtrlID(child), c.id);
        child = GetWindow(child, GW_HWNDNEXT);
        HWND control = dekset.Control(c.id);
        EXPECT_EQ(WindowText(control), c.caption) << c.id;
        RECT r = WindowRectOf(control);
        MapWindowPoints(HWND_DESKTOP, form, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, px(c.left)) << c.id;
        EXPECT_EQ(r.top, px(c.top)) << c.id;
        // The label may grow to the right to hold its caption on one line.
        const int width = r.right - r.left;
        EXPECT_TRUE(c.id == dekset::Label2 ? width >= px(c.width) : width == px(c.width)) << c.id << ": " << width;
        EXPECT_TRUE(!c.height || r.bottom - r.top == px(c.height)) << c.id << ": " << r.bottom - r.top;
        EXPECT_EQ((GetWindowLongPtrW(control, GWL_STYLE) & WS_TABSTOP) != 0, c.tabStop) << c.id;
        EXPECT_TRUE(IsEnabled(control)) << c.id;
        EXPECT_EQ(IsChecked(control), c.id == Option1(0)) << c.id;
    }
    // Its list's two entries: the first chosen (its text shown), the second reached by the arrow key.
    EXPECT_EQ(SendMessageW(dekset.Control(dekset::Combo1), CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(ComboSelection(dekset.Control(dekset::Combo1)), 0);

    // The browser fills the field only with a folder it confirmed: on OK, the one it opened on.
    for (const int button : {IDCANCEL, IDOK}) {
        Click(dekset.Control(dekset::Command2));
        HWND browser = dekset.program.WaitForMessageBox();
        ASSERT_NE(browser, nullptr);
        EXPECT_NE(FindControlByText(browser, L"ショートカットを作成するフォルダ"), nullptr);
        Click(GetDlgItem(browser, button));
        ASSERT_TRUE(dekset.SettlesWithoutBox());
        EXPECT_EQ(dekset.FieldText(), button == IDOK ? ShellFolder(CSIDL_DESKTOPDIRECTORY) : L"スタートアップ");
    }

    PostMessageW(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(dekset.program.WaitForExit(), 0u);
}

TEST(DekSetShortcuts, CreatingAtOnceWritesIntoStartupAndTheHiddenStartGoesOntoTheChosenDesktop) {
    MakerFolder maker(L"デコ special");
    const std::wstring startup = maker / L"Startup", desktop = maker / L"Desktop";
    ASSERT_TRUE(platform::CreateFolder(startup) && platform::CreateFolder(desktop));
    ShellFolderRedirect startupRedirect(L"Startup", startup), desktopRedirect(L"Desktop", desktop);

    DekSet dekset(maker);
    ASSERT_NE(dekset.form, nullptr);
    dekset.ExpectCreates(startup + L"\\Dek通常起動.LNK", L"");
    dekset.ChooseMode(1);
    // The arrow key in the field chooses the list's next entry.
    HWND edit = FindWindowExW(dekset.Control(dekset::Combo1), nullptr, L"Edit", nullptr);
    PostMessageW(edit, WM_KEYDOWN, VK_DOWN, 0);
    ASSERT_TRUE(WaitFor([&] { return dekset.FieldText() == L"デスクトップ"; }));
    dekset.ExpectCreates(desktop + L"\\Dek最小化状態で起動.LNK", L"-s");
}

TEST(DekSetShortcuts, ATypedFolderMissingThenWithOneAndTwoTrailingSeparatorsAndASecondRunReplacing) {
    MakerFolder first(L"typed"), second(L"두 번째 é");
    const std::wstring typed = first / L"リンク 한글 Ünï", link = typed + L"\\Dekランダム変更のみ.LNK";
    {
        DekSet dekset(first);
        ASSERT_NE(dekset.form, nullptr);
        dekset.ChooseMode(2);
        dekset.Type(typed);
        EXPECT_EQ(dekset.Create(true), platform::ErrorText(ERROR_PATH_NOT_FOUND) + L"\r3");
        EXPECT_FALSE(Exists(typed));
        // The window stays for another try.
        ASSERT_TRUE(platform::CreateFolder(typed));
        dekset.Type(typed + L"\\");
        dekset.ExpectCreates(link, L"-e");
        Click(dekset.Control(dekset::Command6));
        EXPECT_EQ(dekset.program.WaitForExit(), 0u);
    }
    // Another maker's shortcut of the same name replaces it without asking.
    DekSet dekset(second);
    ASSERT_NE(dekset.form, nullptr);
    dekset.ChooseMode(2);
    dekset.Type(typed + L"\\\\");
    dekset.ExpectCreates(link, L"-e");
}

TEST(DekSetShortcuts, AStartupFolderThatCannotBeFoundIsReportedNotReplacedByTheDriveRoot) {
    MakerFolder maker(L"lost startup");
    ShellFolderRedirect redirect(L"Startup", maker / L"gone\\Startup");
    ASSERT_TRUE(ShellFolder(CSIDL_STARTUP).empty());
    const std::wstring root = maker.Path().substr(0, 3) + L"Dek通常起動.LNK";
    const std::wstring temporary = platform::TempFolder() + L"LinkTmp.lnk";
    DeleteFileW(root.c_str());
    DeleteFileW(temporary.c_str());

    DekSet dekset(maker);
    ASSERT_NE(dekset.form, nullptr);
    // The shell's description, a CR and its number.
    const std::wstring text = dekset.Create(true);
    const size_t cr = text.rfind(L'\r');
    ASSERT_TRUE(cr != std::wstring::npos && cr > 0) << testing::PrintToString(text);
    EXPECT_NE(std::stoll(text.substr(cr + 1)), 0);
    EXPECT_FALSE(Exists(root));
    EXPECT_FALSE(Exists(temporary));
}

}  // namespace
