// The notification-area icon: its notifications, its two pop-up menus, hiding and restoring.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "platform/dpi.h"
#include "tests/support/dek.h"
#include "tests/support/desktop.h"

namespace {

using namespace dektest;

class Tray : public testing::Test {
protected:
    void SetUp() override { ResetDekSettings(); }
    void TearDown() override { ResetDekSettings(); }

    // What the shell sends when the mouse does `mouseMessage` over the icon.
    static void Notify(HWND main, UINT mouseMessage) {
        PostMessageW(main, dek::TrayIcon::kCallbackMessage, dek::TrayIcon::kId, mouseMessage);
    }

    // The visible pop-up menu window of the program, if any.
    static HWND PopUpMenu(const RunningProgram& program) {
        for (HWND hwnd : program.TopLevelWindows()) {
            if (ClassNameOf(hwnd) == L"#32768" && IsWindowVisible(hwnd)) return hwnd;
        }
        return nullptr;
    }
    static HWND WaitForPopUp(const RunningProgram& program) {
        HWND menu = nullptr;
        WaitFor([&] { return (menu = PopUpMenu(program)) != nullptr; });
        return menu;
    }
    static void Key(HWND menu, WPARAM key) {
        PostMessageW(menu, WM_KEYDOWN, key, 0);
        PostMessageW(menu, WM_KEYUP, key, 0xC0000000);
    }

    // The outer size stays fixed, so a menu bar takes its height from the client area. (A menu
    // handle means nothing outside its own process.)
    static bool HasMenuBar(HWND main) {
        return ClientSize(main).cy < platform::TwipsToPixels(8175, platform::SystemDpi());
    }

    static bool IsOutOfSight(HWND main) {
        const RECT r = WindowRectOf(main);
        return r.left == GetSystemMetrics(SM_CXSCREEN) && r.top == GetSystemMetrics(SM_CYSCREEN);
    }
    static bool IsCentred(HWND main) {
        const RECT r = WindowRectOf(main);
        const int tpp = 1440 / platform::SystemDpi();
        const int left = (GetSystemMetrics(SM_CXSCREEN) * tpp - (r.right - r.left) * tpp) / 2 / tpp;
        const int top = (GetSystemMetrics(SM_CYSCREEN) * tpp - (r.bottom - r.top) * tpp) / 2 / tpp;
        return r.left == left && r.top == top;
    }
};

TEST_F(Tray, LeftReleaseMovesTheWindowOutOfSightAndADoubleClickBringsItBackCentred) {
    ProgramFolder folder(L"tray left");
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(dek.main) != FALSE; }));

    Notify(dek.main, WM_LBUTTONUP);
    HWND menu = WaitForPopUp(dek.program);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(IsOutOfSight(dek.main));
    EXPECT_TRUE(IsWindowVisible(dek.main));  // shown, but out of sight
    Key(menu, VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return PopUpMenu(dek.program) == nullptr; }));

    Notify(dek.main, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(WaitFor([&] { return IsCentred(dek.main); }));
    EXPECT_TRUE(IsWindowVisible(dek.main));
    EXPECT_FALSE(HasMenuBar(dek.main));
    EXPECT_TRUE(TrayIconPresent(dek.main));

    // A second pop-up opens at once after the first has closed.
    Notify(dek.main, WM_RBUTTONUP);
    menu = WaitForPopUp(dek.program);
    ASSERT_NE(menu, nullptr);
    Key(menu, VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return PopUpMenu(dek.program) == nullptr; }));
}

TEST_F(Tray, ChangeMenuItemsRunWithTheWindowHidden) {
    DesktopGuard desktop;
    ProgramFolder folder(L"tray change");
    WriteFile(folder.Wall() + L"\\only.bmp", "BM");
    WriteFile(folder.Saver() + L"\\only.scr", "MZ");
    SetDesktopValue(L"Wallpaper", L"");
    SetSystemIniScreenSaver(std::nullopt);
    Dek dek(folder, L"-s");
    ASSERT_TRUE(dek.WaitUntilRunning());

    // ランダム変更(壁紙): the wallpaper only.
    Notify(dek.main, WM_LBUTTONUP);
    HWND menu = WaitForPopUp(dek.program);
    ASSERT_NE(menu, nullptr);
    Key(menu, VK_DOWN);
    Key(menu, VK_DOWN);
    Key(menu, VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return DesktopValue(L"Wallpaper") == folder.Wall() + L"\\only.bmp"; }));
    EXPECT_EQ(SystemIniScreenSaver().value_or(L""), L"");
    EXPECT_FALSE(IsWindowVisible(dek.main));

    // ランダム変更(スクリーンセーバー): the screen saver only.
    SetDesktopValue(L"Wallpaper", L"");
    Notify(dek.main, WM_LBUTTONUP);
    menu = WaitForPopUp(dek.program);
    ASSERT_NE(menu, nullptr);
    for (int i = 0; i < 3; ++i) Key(menu, VK_DOWN);
    Key(menu, VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return !SystemIniScreenSaver().value_or(L"").empty(); }));
    EXPECT_EQ(DesktopValue(L"Wallpaper").value_or(L""), L"");

    PostMessageW(dek.main, WM_CLOSE, 0, 0);
    EXPECT_EQ(dek.program.WaitForExit(), 0u);
}

TEST_F(Tray, FileMenuExitEndsTheProgramAndTakesTheIconOut) {
    ProgramFolder folder(L"tray exit");
    Dek dek(folder, L"-s");
    ASSERT_TRUE(dek.WaitUntilRunning());
    ASSERT_TRUE(TrayIconPresent(dek.main));

    Notify(dek.main, WM_RBUTTONUP);
    HWND menu = WaitForPopUp(dek.program);
    ASSERT_NE(menu, nullptr);
    PostMessageW(menu, WM_CHAR, L'x', 0);  // 終了(&X)
    EXPECT_EQ(dek.program.WaitForExit(), 0u);
    EXPECT_FALSE(TrayIconPresent(dek.main));
}

TEST_F(Tray, RestoreTheSizeShowsTheWindowWhereThePopUpPutIt) {
    ProgramFolder folder(L"tray restore");
    Dek dek(folder, L"-s");
    ASSERT_TRUE(dek.WaitUntilRunning());
    ASSERT_FALSE(IsWindowVisible(dek.main));

    Notify(dek.main, WM_RBUTTONUP);
    HWND menu = WaitForPopUp(dek.program);
    ASSERT_NE(menu, nullptr);
    Key(menu, VK_DOWN);  // 元のサイズに戻す
    Key(menu, VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(dek.main) != FALSE; }));
    EXPECT_TRUE(IsOutOfSight(dek.main));
    EXPECT_FALSE(HasMenuBar(dek.main));

    Notify(dek.main, WM_RBUTTONDBLCLK);
    EXPECT_TRUE(WaitFor([&] { return IsCentred(dek.main); }));
    EXPECT_TRUE(TrayIconPresent(dek.main));
}

TEST_F(Tray, OtherMessagesAndPlainMouseMovesOpenNothing) {
    ProgramFolder folder(L"tray quiet");
    Dek dek(folder, L"-s");
    ASSERT_TRUE(dek.WaitUntilRunning());

    // A mouse move over the window's own surface at the columns of the icon's button releases.
    for (int column : {514, 515, 517, 518}) PostMessageW(dek.main, WM_MOUSEMOVE, 0, MAKELPARAM(column, 10));
    for (UINT message : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MOUSEMOVE, WM_MBUTTONUP}) Notify(dek.main, message);
    // Everything above is handled before this double click; a menu opened by any of it would
    // still be open when the window shows.
    Notify(dek.main, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(dek.main) != FALSE; }));
    EXPECT_EQ(PopUpMenu(dek.program), nullptr);
    EXPECT_NE(WindowRectOf(dek.main).left, GetSystemMetrics(SM_CXSCREEN));
}

TEST_F(Tray, ToTheTaskbarHidesTheWindowWithOneIconThatSurvivesATaskbarRestart) {
    ProgramFolder folder(L"tray taskbar");
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(dek.main) != FALSE; }));

    Click(dek.Control(dek::Command11));
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(dek.main); }));
    EXPECT_TRUE(WaitFor([&] { return HasMenuBar(dek.main); }));  // FILE shows in the bar while hidden
    Notify(dek.main, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(dek.main) != FALSE; }));
    EXPECT_FALSE(HasMenuBar(dek.main));  // hidden before the window shows
    Click(dek.Control(dek::Command11));
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(dek.main); }));

    // One icon: after taking it out once, none is left.
    ASSERT_TRUE(TrayIconPresent(dek.main));
    NOTIFYICONDATAW icon = {};
    icon.cbSize = sizeof icon;
    icon.hWnd = dek.main;
    icon.uID = dek::TrayIcon::kId;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));
    EXPECT_FALSE(TrayIconPresent(dek.main));

    // The shell announces a new taskbar: the icon is put in again.
    PostMessageW(dek.main, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitFor([&] { return TrayIconPresent(dek.main); }));

    PostMessageW(dek.main, WM_CLOSE, 0, 0);
    EXPECT_EQ(dek.program.WaitForExit(), 0u);
    EXPECT_FALSE(TrayIconPresent(dek.main));
}

}  // namespace
