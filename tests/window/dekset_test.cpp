// DekSet's window worked as a user would, and its shortcut routine called directly. Every
// shortcut is read back here and, after the test, by lnkinfo (see dekset_lnkinfo.sh).
#include "tests/window/window_test.h"

#include <shlobj.h>

#include "platform/dpi.h"
#include "platform/error_text.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/shell_folders.h"
#include "shortcut_maker/control_ids.h"
#include "shortcut_maker/make_shortcut.h"
#include "shortcut_maker/shortcut_window.h"

using namespace dektest;
using dekset::StartModeOption;
using dekset::ShortcutRequest;

constexpr wchar_t kCreated[] = L"ショートカットを作成しました";
const std::wstring kLinkTmp = platform::TempFolder() + L"LinkTmp.lnk";  // what the routine writes first
constexpr wchar_t kShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

static std::string Encode(const std::wstring& text, UINT codePage = CP_UTF8) {
    std::string out(text.size() * 4, '\0');
    out.resize(static_cast<size_t>(WideCharToMultiByte(codePage, 0, text.c_str(), static_cast<int>(text.size()),
                                                       out.data(), static_cast<int>(out.size()), nullptr, nullptr)));
    return out;
}

// Expects a shortcut file at `expected.linkPath` holding the other fields of `expected`. Under the
// wrapper it leaves a copy and the lines lnkinfo must print for it ("name=value"; "!name": none).
static void ExpectLink(const ShortcutRequest& expected) {
    const std::optional<std::string> bytes = platform::ReadFileHead(expected.linkPath, 1 << 20);
    // A ShellLinkHeader starts with its size, 0x4C; show command at 0x3C, hot key at 0x40 (lnkinfo misreads both).
    ASSERT_TRUE(bytes && bytes->starts_with(std::string("\x4C\0\0\0", 4))) << expected.linkPath;
    int32_t header[2] = {};  // the hot key is followed by two bytes that must be 0
    bytes->copy(reinterpret_cast<char*>(header), sizeof header, 0x3C);
    EXPECT_EQ(header[0], expected.showCommand) << expected.linkPath;
    EXPECT_EQ(header[1], expected.hotKey) << expected.linkPath;
    // lnkinfo reads the local path in the ANSI code page (932): that line is written in it.
    wchar_t folder[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"DEK_LNK_EVIDENCE", folder, MAX_PATH)) return;
    static int count = 0;
    const std::wstring copy = folder + (L"\\" + std::to_wstring(++count));
    auto line = [](const std::string& field, const std::wstring& value, UINT codePage = CP_UTF8) {
        return (value.empty() ? std::string("!") + field : field + "=" + Encode(value, codePage)) + "\n";
    };
    std::string lines = "# " + Encode(expected.linkPath) + "\n" + line("Local path", expected.target, 932);
    lines += line("Working directory", expected.workingFolder) + line("Command line arguments", expected.arguments);
    lines += line("Icon location", expected.iconFile) + "Icon index=" + std::to_string(expected.iconIndex) + "\n";
    EXPECT_TRUE(CopyFileW(expected.linkPath.c_str(), (copy + L".lnk").c_str(), FALSE) &&
                platform::WriteWholeFile(copy + L".expect", lines) == ERROR_SUCCESS) << expected.linkPath;
}

// Points a per-user shell folder ("Desktop", "Startup") at another path while it lives.
struct ShellFolderRedirect {
    ShellFolderRedirect(const wchar_t* name, const std::wstring& path)
        : name(name), saved(platform::ReadRegString(HKEY_CURRENT_USER, kShellFolders, name)) {
        platform::SetRegString(HKEY_CURRENT_USER, kShellFolders, name, path);
    }
    ~ShellFolderRedirect() {
        saved ? void(platform::SetRegString(HKEY_CURRENT_USER, kShellFolders, name, *saved))
              : void(RemoveRegistryValue(HKEY_CURRENT_USER, kShellFolders, name));
    }
    const wchar_t* name;
    std::optional<std::wstring> saved;
};

// DekSet's window hosted in the test process, with a Startup and a Desktop folder of its own.
class ShortcutMaker : public AnsweringTest {
protected:
    HWND Control(int id) const { return GetDlgItem(form.hwnd(), id); }
    void Press(int id) const { SendMessageW(Control(id), BM_CLICK, 0, 0); }
    // Typing replaces the field's text without choosing from the list.
    void Type(const std::wstring& text) const {
        SendMessageW(Control(dekset::DestinationBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    // Presses create and answers its one box: the program's title, OK only, an icon unless it tells of success.
    std::wstring Create() {
        std::wstring text = L"(no box)";
        Expect({[&](HWND box) {
            if (ClassNameOf(box) != L"#32770") return false;
            int icons = 0, buttons = 0;
            for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                icons += IsWindowVisible(child) && SendMessageW(child, STM_GETICON, 0, 0) != 0;
                buttons += IsWindowVisible(child) && lstrcmpiW(ClassNameOf(child).c_str(), L"Button") == 0;
            }
            EXPECT_EQ(WindowText(box), L"DEKショートカット作成");
            const bool answered = OkBox(&text)(box);
            EXPECT_EQ(std::pair(icons, buttons), std::pair(text == kCreated ? 0 : 1, 1)) << testing::PrintToString(text);
            return answered;
        }});
        Press(dekset::CreateShortcutButton);
        EXPECT_TRUE(Answered());
        return text;
    }
    // Presses create and expects the success box and this maker's shortcut at `link`.
    void ExpectCreates(const std::wstring& link, const wchar_t* arguments) {
        EXPECT_EQ(Create(), kCreated);
        const std::wstring dek = platform::ProgramFolder() + L"\\Dek.exe";
        ExpectLink({link, dek, platform::ProgramFolder(), arguments, dek});
    }

    ProgramFolder folder{L"dekset", L""};
    const std::wstring startup = folder / L"Startup", desktop = folder / L"Desktop";
    const ShellFolderRedirect startupRedirect{L"Startup", startup}, desktopRedirect{L"Desktop", desktop};
    dekset::ShortcutWindow form;
};

// A fixed frame with a close box only, centred; the label no narrower than laid out; the Startup
// entry (of two) and the normal start chosen.
TEST_F(ShortcutMaker, OpensAsDesigned) {
    ASSERT_TRUE(form.Open());
    const LONG_PTR frameStyle = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME;
    EXPECT_EQ(GetWindowLongPtrW(form.hwnd(), GWL_STYLE) & frameStyle, WS_VISIBLE | WS_CAPTION | WS_SYSMENU);
    const RECT frame = WindowRectOf(form.hwnd());
    EXPECT_NEAR(frame.left + frame.right, GetSystemMetrics(SM_CXSCREEN), 1);
    EXPECT_NEAR(frame.top + frame.bottom, GetSystemMetrics(SM_CYSCREEN), 1);
    ExpectSnapshot(Snapshot(form.hwnd()), L"dekset-window");
}

TEST_F(ShortcutMaker, WritesEachStartModeWhereChosenOrSaysWhyNot) {
    ASSERT_TRUE(form.Open());
    // A Startup folder the shell cannot find is reported like any failure, and nothing is written
    // (neither the shortcut nor its temporary file, nor a shortcut at the root of the drive).
    wchar_t root[MAX_PATH];
    GetFullPathNameW(L"\\Dek通常起動.LNK", MAX_PATH, root, nullptr);
    for (const std::wstring& stale : {std::wstring(root), kLinkTmp}) DeleteFileW(stale.c_str());
    ASSERT_TRUE(platform::CreateFolder(desktop));
    const HRESULT lost = platform::SpecialFolderPath(nullptr, CSIDL_STARTUP).result;
    EXPECT_EQ(Create(), platform::ErrorTextOfResult(lost) + L"\r" + std::to_wstring(lost));
    EXPECT_FALSE(Exists(root));
    EXPECT_FALSE(Exists(kLinkTmp));
    ASSERT_TRUE(platform::CreateFolder(startup));
    ExpectCreates(startup + L"\\Dek通常起動.LNK", L"");
    // The hidden start onto the desktop, chosen with the arrow key in the field.
    Press(StartModeOption(1));
    PostMessageW(FindWindowExW(Control(dekset::DestinationBox), nullptr, L"Edit", nullptr), WM_KEYDOWN, VK_DOWN, 0);
    ASSERT_TRUE(PumpUntil([&] { return WindowText(Control(dekset::DestinationBox)) == L"デスクトップ"; }));
    ExpectCreates(desktop + L"\\Dek最小化状態で起動.LNK", L"-s");

    // The browser fills the field only with a folder it confirmed: on OK, the one it opened on.
    for (const int button : {IDCANCEL, IDOK}) {
        bool prompted = false;
        Expect({[&](HWND browser) {
            if (ClassNameOf(browser) != L"#32770") return false;
            prompted = FindWindowExW(browser, nullptr, L"Static", L"ショートカットを作成するフォルダ") != nullptr;
            return PostMessageW(GetDlgItem(browser, button), BM_CLICK, 0, 0) != FALSE;
        }});
        Press(dekset::BrowseButton);
        EXPECT_TRUE(Answered());
        EXPECT_TRUE(prompted);
        EXPECT_EQ(WindowText(Control(dekset::DestinationBox)), button == IDOK ? desktop : L"デスクトップ");
    }

    // A typed folder: missing; with one trailing "\", replacing what had the name; with two.
    const std::wstring typed = folder / L"リンク Ünï", link = typed + L"\\Dekランダム変更のみ.LNK";
    Press(StartModeOption(2));
    Type(typed);
    EXPECT_EQ(Create(), platform::ErrorText(ERROR_PATH_NOT_FOUND) + L"\r3");
    WriteFile(link, "an older file");
    Type(typed + L"\\");
    ExpectCreates(link, L"-e");
    ASSERT_TRUE(DeleteFileW(link.c_str()));
    Type(typed + L"\\\\");
    ExpectCreates(link, L"-e");

    Press(dekset::ExitButton);
    EXPECT_TRUE(Ended());
}

// A thread hook that notes any box shown on the thread and closes it at once.
static bool boxShown = false;
static LRESULT CALLBACK CloseAnyBox(int code, WPARAM wParam, LPARAM lParam) {
    boxShown = boxShown || code == HCBT_ACTIVATE;
    if (code == HCBT_ACTIVATE) PostMessageW(reinterpret_cast<HWND>(wParam), WM_CLOSE, 0, 0);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(ShortcutFile, EveryFieldGivenReachesTheFileAndEmptyTextsWriteNone) {
    ProgramFolder folder(L"デコ 한글 é", L"Dek.exe");
    DeleteFileW(kLinkTmp.c_str());
    const ShortcutRequest full = {folder / L"full.lnk", folder.Exe(), folder / L"作業", L"-s \"two words\"",
                                  folder.Exe(), 3, SW_SHOWMINNOACTIVE, MAKEWORD('D', 2 | 4)};  // Ctrl+Alt+D
    ShortcutRequest noTarget = full, noLink = full;
    noTarget.target = noLink.linkPath = L"";
    const HHOOK hook = SetWindowsHookExW(WH_CBT, CloseAnyBox, nullptr, GetCurrentThreadId());
    EXPECT_FALSE(dekset::MakeShortcut(nullptr, noTarget));
    EXPECT_FALSE(dekset::MakeShortcut(nullptr, noLink));
    EXPECT_FALSE(Exists(full.linkPath));
    EXPECT_FALSE(Exists(kLinkTmp));
    EXPECT_TRUE(dekset::MakeShortcut(nullptr, full));
    UnhookWindowsHookEx(hook);
    EXPECT_FALSE(boxShown);
    ExpectLink(full);
    EXPECT_FALSE(Exists(kLinkTmp));
}
