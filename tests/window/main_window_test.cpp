// The main window's start-up and ways out, and its icon in the notification area: the
// notifications, the two pop-up menus, hiding and restoring.
#include "tests/window/window_test.h"

#include <commctrl.h>
#include <shellapi.h>

#include "changer/dialogs/version_text.h"
#include "platform/dpi.h"

using namespace dektest;

class ChangerWindow : public ChangerWindowTest {
protected:
    // What the shell sends when the mouse does `mouseMessage` over the icon; a menu it pops up is
    // answered by pressing `keys` in it.
    void Notify(UINT mouseMessage, std::vector<WPARAM> keys = {}) {
        if (!keys.empty()) {
            Expect({[keys](HWND menu) {
                if (ClassNameOf(menu) != L"#32768") return false;
                for (WPARAM key : keys) PostMessageW(menu, key < 'A' ? WM_KEYDOWN : WM_CHAR, key, 0);
                return true;
            }});
        }
        SendMessageW(Main(), dek::TrayIcon::kCallbackMessage, dek::TrayIcon::kId, mouseMessage);
    }
    // The outer size stays fixed, so a menu bar takes its height from the client area.
    bool HasMenuBar() const { return ClientSize(Main()).cy < platform::TwipsToPixels(8175, platform::WindowDpi(Main())); }
    bool IsOutOfSight() const {
        const RECT r = WindowRectOf(Main());
        return r.left == GetSystemMetrics(SM_CXSCREEN) && r.top == GetSystemMetrics(SM_CYSCREEN);
    }
    bool IsCentred() const {
        const RECT r = WindowRectOf(Main());
        return r.left == (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2 &&
               r.top == (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
    }
};

// The names an open-file dialog lists in its folder.
static std::wstring ListedFiles(HWND dialog) {
    HWND view = nullptr;
    EnumChildWindows(dialog, [](HWND child, LPARAM found) -> BOOL {
        if (ClassNameOf(child) != WC_LISTVIEWW) return TRUE;
        return *reinterpret_cast<HWND*>(found) = child, FALSE;
    }, reinterpret_cast<LPARAM>(&view));
    std::vector<std::wstring> names;
    for (int i = 0, n = view ? ListView_GetItemCount(view) : 0; i < n; ++i) {
        wchar_t name[MAX_PATH] = {};
        ListView_GetItemText(view, i, 0, name, MAX_PATH);
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    std::wstring text;
    for (const std::wstring& name : names) text += L" " + name;
    return text;
}

// The window with a small collection, the files its Add dialog offers, and its version message.
TEST_F(ChangerWindow, LooksAsDesigned) {
    WriteFile(folder.Wall() + L"\\sea.bmp", MakeBitmap(2, 2, [](int, int) { return 0; }));
    WriteFile(folder.Dat() + L"\\sea.bmp.dat", "1\r\n");
    WriteFile(folder.Saver() + L"\\night.scr", "saver");
    for (const wchar_t* name : {L"a.bmp", L"b.gif", L"c.jpg", L"d.png", L"e.tif", L"f.jpeg", L"g.txt", L"h.scr"}) {
        WriteFile(folder / (std::wstring(L"offered\\") + name), "");
    }
    SetDekSetting(L"defdir", folder / L"offered");
    ASSERT_TRUE(Start());
    std::wstring offered, version;
    Expect({[&](HWND dialog) {
        if (ClassNameOf(dialog) != L"#32770" || (offered = ListedFiles(dialog)).empty()) return false;
        return OpenFile(L"壁紙をリストに追加", L"")(dialog);
    }, OkBox(&version)});
    Command(dek::AddWallpaperButton);
    Command(dek::VersionButton);
    ExpectSnapshot(Snapshot(Main()) + L"offered:" + offered + L"\n", L"main-window");
    EXPECT_EQ(version, dek::VersionMessageText(dek::kDekVersion));
}

TEST_F(ChangerWindow, FollowsTheDpiOfItsMonitor) {
    ASSERT_TRUE(Start());
    // Moved to a monitor of 192 DPI, the window takes the place the system suggests and lays its
    // controls out again from their twips.
    RECT suggested = {10, 20, 10 + 900, 20 + 700};
    SendMessageW(Main(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    RECT frame = WindowRectOf(Main()), list = WindowRectOf(Control(dek::ScreenSaverList));
    MapWindowPoints(HWND_DESKTOP, Main(), reinterpret_cast<POINT*>(&list), 2);
    EXPECT_TRUE(EqualRect(&frame, &suggested));
    EXPECT_EQ(list.left, platform::TwipsToPixels(5160, 192));
    EXPECT_EQ(list.bottom - list.top, platform::TwipsToPixels(6930, 192));
}

TEST_F(ChangerWindow, ANormalStartIsCentredWithItsIconAndExitTakesTheIconOutFirst) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(IsCentred());
    EXPECT_TRUE(TrayIconPresent(Main()));
    for (const std::wstring& made : {folder.Wall(), folder.Saver(), folder.Dat()}) EXPECT_TRUE(Exists(made)) << made;
    // "終了" only closes the window, as the close box does.
    Command(dek::ExitButton);
    EXPECT_TRUE(PumpUntil([&] { return Ended(); }));
    EXPECT_EQ(IconAtDestroy(), false);
}

TEST_F(ChangerWindow, APlainFileWhereAFolderBelongsEndsTheStart) {
    WriteFile(folder.Saver(), "not a folder");
    std::wstring text;
    Expect({OkBox(&text)});
    EXPECT_FALSE(Start());
    EXPECT_NE(text.find(folder.Saver()), std::wstring::npos) << text;
    EXPECT_EQ(ReadFile(folder.Saver()), "not a folder");
    EXPECT_TRUE(Exists(folder.Wall()));  // made before; nothing after the blocked folder is
    EXPECT_FALSE(TrayIconPresent(Main()));
}

TEST_F(ChangerWindow, TheIconsReleasesPopUpMenusOutOfSightAndDoubleClicksCentre) {
    ASSERT_TRUE(Start());
    // A left release moves the shown window out of sight and pops up CHANGE, a right release FILE;
    // a double click brings the window back centred.
    for (UINT release : {WM_LBUTTONUP, WM_RBUTTONUP}) {
        Notify(release, {VK_ESCAPE});
        EXPECT_TRUE(Answered()) << release;
        EXPECT_TRUE(IsOutOfSight()) << release;
        EXPECT_TRUE(IsWindowVisible(Main())) << release;
        Notify(WM_LBUTTONDBLCLK);
        EXPECT_TRUE(IsCentred()) << release;
    }
    EXPECT_FALSE(HasMenuBar());
    // "ﾀｽｸﾊﾞｰへ" hides it with FILE in its bar, a double click shows it without.
    Command(dek::HideToTrayButton);
    EXPECT_EQ(std::pair(IsWindowVisible(Main()) != FALSE, HasMenuBar()), std::pair(false, true));
    Notify(WM_RBUTTONDBLCLK);
    EXPECT_EQ(std::pair(IsWindowVisible(Main()) != FALSE, HasMenuBar()), std::pair(true, false));
    // Other messages, and plain mouse moves at the columns of the icon's messages, open nothing.
    for (int column : {514, 515, 517, 518}) SendMessageW(Main(), WM_MOUSEMOVE, 0, MAKELPARAM(column, 10));
    for (UINT message : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MOUSEMOVE, WM_MBUTTONUP}) Notify(message);
    EXPECT_TRUE(IsCentred());
    // One icon, put in again when the taskbar starts anew.
    NOTIFYICONDATAW icon = {sizeof icon, Main(), dek::TrayIcon::kId};
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));
    SendMessageW(Main(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(TrayIconPresent(Main()));
}

TEST_F(ChangerWindow, TheMenusChangeRestoreAndExitWhileTheWindowIsHidden) {
    WriteFile(folder.Wall() + L"\\only.bmp", MakeBitmap(4, 4, [](int, int) { return 0; }));
    WriteFile(folder.Saver() + L"\\only.scr", "saver");
    SetDesktopValue(L"Wallpaper", L"");
    SetSystemIniScreenSaver(std::nullopt);
    ASSERT_TRUE(Start(dek::RunMode::Hidden));  // any argument but "-e": hidden, with the icon
    EXPECT_TRUE(TrayIconPresent(Main()));
    EXPECT_FALSE(IsWindowVisible(Main()));
    // CHANGE's second item changes the wallpaper only, its third the screen saver only.
    Notify(WM_LBUTTONUP, {VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(DesktopValue(L"Wallpaper"), folder.Wall() + L"\\only.bmp");
    EXPECT_EQ(SystemIniScreenSaver().value_or(L""), L"");
    SetDesktopValue(L"Wallpaper", L"");
    Notify(WM_LBUTTONUP, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_NE(SystemIniScreenSaver().value_or(L""), L"");
    EXPECT_EQ(DesktopValue(L"Wallpaper").value_or(L""), L"");
    EXPECT_FALSE(IsWindowVisible(Main()));
    // FILE's "元のサイズに戻す" shows the window where the pop-up put it: out of sight.
    Notify(WM_RBUTTONUP, {VK_DOWN, VK_RETURN});
    EXPECT_TRUE(IsWindowVisible(Main()));
    EXPECT_TRUE(IsOutOfSight());
    EXPECT_FALSE(HasMenuBar());
    // "終了(&X)" ends the program, its icon gone before its window.
    Notify(WM_RBUTTONUP, {'x'});
    EXPECT_TRUE(PumpUntil([&] { return Ended(); }));
    EXPECT_EQ(IconAtDestroy(), false);
}
