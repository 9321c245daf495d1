// The main window's start-up and ways out, and its icon in the notification area: the
// notifications, the two pop-up menus, hiding and restoring.
#include "tests/window/window_test.h"

#include <shellapi.h>

#include "platform/dpi.h"

using namespace dektest;

class MainWindow : public WindowTest {
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
    bool HasMenuBar() const { return ClientSize(Main()).cy < platform::TwipsToPixels(8175, window_->Dpi()); }
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

TEST_F(MainWindow, NormalStartShowsTheWindowAsLaidOutWithTheIconAndExitEndsIt) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(IsWindowVisible(Main()));
    EXPECT_TRUE(TrayIconPresent(Main()));
    EXPECT_TRUE(IsCentred());
    for (const std::wstring& made : {folder.Wall(), folder.Saver(), folder.Dat()}) EXPECT_TRUE(Exists(made));
    EXPECT_EQ(ClientSize(Main()).cx, platform::TwipsToPixels(10200, window_->Dpi()));
    EXPECT_EQ(ClientSize(Main()).cy, platform::TwipsToPixels(8175, window_->Dpi()));
    // The buttons that act on a selection wait for one.
    for (int id : {dek::DeleteWallpaperButton, dek::PreviewWallpaperButton, dek::ApplyWallpaperButton, dek::DeleteScreenSaverButton, dek::PreviewScreenSaverButton, dek::ApplyScreenSaverButton}) {
        EXPECT_FALSE(IsEnabled(Control(id))) << id;
    }
    auto placed = [&](int id) {
        RECT r = WindowRectOf(Control(id));
        MapWindowPoints(HWND_DESKTOP, Main(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    // Moved to a monitor of 192 DPI, the window takes the place the system suggests and lays its
    // controls out again from their twips.
    RECT suggested = {10, 20, 10 + 900, 20 + 700};
    SendMessageW(Main(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    const RECT frame = WindowRectOf(Main()), list = placed(dek::ScreenSaverList);
    EXPECT_TRUE(EqualRect(&frame, &suggested));
    EXPECT_EQ(list.left, platform::TwipsToPixels(5160, 192));
    EXPECT_EQ(list.bottom - list.top, platform::TwipsToPixels(6930, 192));
    // "終了" only closes the window, as the close box does: the program ends, the icon goes.
    const HWND main = Main();
    Command(dek::ExitButton);
    EXPECT_TRUE(PumpUntil([&] { return Ended(); }));
    EXPECT_FALSE(TrayIconPresent(main));
}

TEST_F(MainWindow, APlainFileWhereAFolderBelongsIsReportedAndEndsTheStart) {
    WriteFile(folder.Saver(), "not a folder");
    std::wstring text;
    Expect({OkBox(&text)});
    EXPECT_FALSE(Start());
    EXPECT_NE(text.find(folder.Saver()), std::wstring::npos) << text;
    EXPECT_EQ(ReadFile(folder.Saver()), "not a folder");
    EXPECT_TRUE(Exists(folder.Wall()));  // made before; nothing after the blocked folder is
    EXPECT_FALSE(TrayIconPresent(Main()));
}

TEST_F(MainWindow, ReleasesPopUpMenusOutOfSightDoubleClicksCentreAndTheTaskbarButtonHides) {
    ASSERT_TRUE(Start());
    // A left release moves the shown window out of sight and pops up CHANGE, a right release FILE;
    // a double click brings the window back centred.
    for (UINT release : {WM_LBUTTONUP, WM_RBUTTONUP}) {
        Notify(release, {VK_ESCAPE});
        EXPECT_TRUE(Answered() && IsOutOfSight() && IsWindowVisible(Main())) << release;
        Notify(WM_LBUTTONDBLCLK);
        EXPECT_TRUE(IsCentred()) << release;
    }
    EXPECT_FALSE(HasMenuBar());
    // "ﾀｽｸﾊﾞｰへ" hides it with FILE in its bar, a double click shows it without.
    Command(dek::HideToTrayButton);
    EXPECT_TRUE(!IsWindowVisible(Main()) && HasMenuBar());
    Notify(WM_RBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(Main()) && !HasMenuBar());
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

TEST_F(MainWindow, MenuItemsChangeRestoreAndExitWhileTheWindowIsHidden) {
    WriteFile(folder.Wall() + L"\\only.bmp", MakeBitmap(4, 4, [](int, int) { return 0; }));
    WriteFile(folder.Saver() + L"\\only.scr", "saver");
    SetDesktopValue(L"Wallpaper", L"");
    SetSystemIniScreenSaver(std::nullopt);
    ASSERT_TRUE(Start(dek::RunMode::Hidden));  // any argument but "-e": hidden, with the icon
    EXPECT_TRUE(TrayIconPresent(Main()) && !IsWindowVisible(Main()));
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
    EXPECT_TRUE(IsWindowVisible(Main()) && IsOutOfSight() && !HasMenuBar());
    // "終了(&X)" ends the program and takes the icon out.
    const HWND main = Main();
    Notify(WM_RBUTTONUP, {'x'});
    EXPECT_TRUE(PumpUntil([&] { return Ended(); }));
    EXPECT_FALSE(TrayIconPresent(main));
}
