// The notification-area icon: its notifications, its two pop-up menus, hiding and restoring.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "platform/dpi.h"
#include "tests/support/dek.h"
#include "tests/support/test_pictures.h"

namespace {

using namespace dektest;

class Tray : public DekTest {
protected:
    // What the shell sends when the mouse does `mouseMessage` over the icon.
    static void Notify(HWND main, UINT mouseMessage) {
        PostMessageW(main, dek::TrayIcon::kCallbackMessage, dek::TrayIcon::kId, mouseMessage);
    }
    static HWND PopUpMenu(const RunningProgram& program) {
        for (HWND hwnd : program.TopLevelWindows()) {
            if (ClassNameOf(hwnd) == L"#32768" && IsWindowVisible(hwnd)) return hwnd;
        }
        return nullptr;
    }
    // Opens a menu by the icon and presses keys in it; true once it has closed again.
    static bool Choose(Dek& dek, UINT mouseMessage, std::initializer_list<WPARAM> keys) {
        Notify(dek.main, mouseMessage);
        HWND menu = nullptr;
        if (!WaitFor([&] { return (menu = PopUpMenu(dek.program)) != nullptr; })) return false;
        for (WPARAM key : keys) {
            if (key >= 'A' && key <= 'Z') {  // an item's mnemonic
                PostMessageW(menu, WM_CHAR, key - 'A' + 'a', 0);
                continue;
            }
            PostMessageW(menu, WM_KEYDOWN, key, 0);
            PostMessageW(menu, WM_KEYUP, key, 0xC0000000);
        }
        return WaitFor([&] { return dek.program.HasExited() || !PopUpMenu(dek.program); });
    }
    // The outer size stays fixed, so a menu bar takes its height from the client area.
    static bool HasMenuBar(HWND main) {
        return ClientSize(main).cy < platform::TwipsToPixels(8175, platform::SystemDpi());
    }
    static bool IsOutOfSight(HWND main) {
        const RECT r = WindowRectOf(main);
        return r.left == GetSystemMetrics(SM_CXSCREEN) && r.top == GetSystemMetrics(SM_CYSCREEN);
    }
    static bool IsCentred(HWND main) {
        const RECT r = WindowRectOf(main);
        return r.left == (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2 &&
               r.top == (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
    }
};

TEST_F(Tray, ReleasesPopUpMenusOutOfSightDoubleClicksCentreAndTheTaskbarButtonHides) {
    ProgramFolder folder(L"tray shown");
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(dek.main) != FALSE; }));

    // A left release moves the shown window out of sight and pops up CHANGE; the right one
    // opens FILE at once after it; a double click brings the window back centred.
    ASSERT_TRUE(Choose(dek, WM_LBUTTONUP, {VK_ESCAPE}));
    EXPECT_TRUE(IsOutOfSight(dek.main));
    EXPECT_TRUE(IsWindowVisible(dek.main));
    ASSERT_TRUE(Choose(dek, WM_RBUTTONUP, {VK_ESCAPE}));
    Notify(dek.main, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(WaitFor([&] { return IsCentred(dek.main); }));
    EXPECT_FALSE(HasMenuBar(dek.main));

    // "ﾀｽｸﾊﾞｰへ" hides it with FILE in its bar, a double click shows it without.
    Click(dek.Control(dek::Command11));
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(dek.main) && HasMenuBar(dek.main); }));
    Notify(dek.main, WM_RBUTTONDBLCLK);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(dek.main) != FALSE; }));
    EXPECT_FALSE(HasMenuBar(dek.main));

    // Other messages, and plain mouse moves at the columns of the icon's messages, open nothing.
    for (int column : {514, 515, 517, 518}) PostMessageW(dek.main, WM_MOUSEMOVE, 0, MAKELPARAM(column, 10));
    for (UINT message : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MOUSEMOVE, WM_MBUTTONUP}) Notify(dek.main, message);
    ASSERT_TRUE(Settled(dek.main));
    EXPECT_EQ(PopUpMenu(dek.program), nullptr);
    EXPECT_TRUE(IsCentred(dek.main));

    // One icon, put in again when the taskbar starts anew.
    Click(dek.Control(dek::Command11));
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(dek.main); }));
    NOTIFYICONDATAW icon = {sizeof icon, dek.main, dek::TrayIcon::kId};
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));
    EXPECT_FALSE(TrayIconPresent(dek.main));
    PostMessageW(dek.main, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitFor([&] { return TrayIconPresent(dek.main); }));
    EXPECT_EQ(dek.CloseAndWait(), 0u);
    EXPECT_FALSE(TrayIconPresent(dek.main));
}

TEST_F(Tray, MenuItemsChangeRestoreAndExitWhileTheWindowIsHidden) {
    ProgramFolder folder(L"tray hidden");
    WriteFile(folder.Wall() + L"\\only.bmp", MakeBitmap(4, 4, [](int, int) { return 0; }));
    WriteFile(folder.Saver() + L"\\only.scr", "saver");
    SetDesktopValue(L"Wallpaper", L"");
    SetSystemIniScreenSaver(std::nullopt);
    Dek dek(folder, L"-s");  // any argument but "-e": hidden, with the icon
    ASSERT_TRUE(dek.WaitUntilRunning());
    EXPECT_TRUE(TrayIconPresent(dek.main));
    EXPECT_FALSE(IsWindowVisible(dek.main));

    // CHANGE's second item changes the wallpaper only, its third the screen saver only.
    ASSERT_TRUE(Choose(dek, WM_LBUTTONUP, {VK_DOWN, VK_DOWN, VK_RETURN}));
    EXPECT_TRUE(WaitFor([&] { return DesktopValue(L"Wallpaper") == folder.Wall() + L"\\only.bmp"; }));
    EXPECT_EQ(SystemIniScreenSaver().value_or(L""), L"");
    SetDesktopValue(L"Wallpaper", L"");
    ASSERT_TRUE(Choose(dek, WM_LBUTTONUP, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}));
    EXPECT_TRUE(WaitFor([&] { return !SystemIniScreenSaver().value_or(L"").empty(); }));
    EXPECT_EQ(DesktopValue(L"Wallpaper").value_or(L""), L"");
    EXPECT_FALSE(IsWindowVisible(dek.main));

    // FILE's "元のサイズに戻す" shows the window where the pop-up put it: out of sight.
    ASSERT_TRUE(Choose(dek, WM_RBUTTONUP, {VK_DOWN, VK_RETURN}));
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(dek.main) != FALSE; }));
    EXPECT_TRUE(IsOutOfSight(dek.main));
    EXPECT_FALSE(HasMenuBar(dek.main));

    // "終了(&X)" ends the program and takes the icon out.
    ASSERT_TRUE(Choose(dek, WM_RBUTTONUP, {'X'}));
    EXPECT_EQ(dek.program.WaitForExit(), 0u);
    EXPECT_FALSE(TrayIconPresent(dek.main));
}

}  // namespace
