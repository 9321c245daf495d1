// Random changes from the CHANGE menu and at start-up, and the change timer.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "tests/support/dek.h"
#include "tests/support/test_pictures.h"

namespace {

using namespace dektest;
using Paths = std::vector<std::wstring>;

class RandomChange : public DekTest {
protected:
    void SetUp() override {
        DekTest::SetUp();
        SetDekSetting(L"opt2value", L"0");
    }
    // Wallpapers w1.bmp, w2.bmp, ... and savers s1.scr, s2.scr, ... (list order).
    static void Fill(const ProgramFolder& folder, int walls, int savers) {
        for (int i = 1; i <= walls; ++i) WriteFile(Wall(folder, i), MakeBitmap(4, 4, [](int, int) { return 0; }));
        for (int i = 1; i <= savers; ++i) WriteFile(folder.Saver() + L"\\s" + std::to_wstring(i) + L".scr", "saver");
    }
    static std::wstring Wall(const ProgramFolder& folder, int i) { return folder.Wall() + L"\\w" + std::to_wstring(i) + L".bmp"; }
    static std::wstring Saver(const ProgramFolder& folder, int i) {
        return platform::ShortPathOf(folder.Saver() + L"\\s" + std::to_wstring(i) + L".scr");
    }
};

// Each list goes on from its own last pick, never taking it twice running; the first change of a
// run takes the second of two. The lists show each pick, and its buttons act on it.
TEST_F(RandomChange, MenuItemsChangeTheirOwnListsAndTwoEntriesAlternate) {
    ProgramFolder folder(L"two");
    Fill(folder, 2, 2);
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    HWND walls = dek.Control(dek::List1), savers = dek.Control(dek::File2);
    SettingChangeWatcher watcher;
    for (size_t n = 1; n <= 3; ++n) {
        PostMessageW(dek.main, WM_COMMAND, dek::mrc1, 0);
        ASSERT_TRUE(watcher.WaitFor(SPI_SETDESKWALLPAPER, n));
        EXPECT_EQ(ListSelection(walls), n % 2 ? 1 : 0);
    }
    EXPECT_EQ(watcher.Wallpapers(), (Paths{Wall(folder, 2), Wall(folder, 1), Wall(folder, 2)}));
    PostMessageW(dek.main, WM_COMMAND, dek::mrc2, 0);
    ASSERT_TRUE(watcher.WaitFor(SPI_SETSCREENSAVEACTIVE, 1));
    EXPECT_EQ(ListSelection(savers), 1);
    for (int id : {dek::Command6, dek::Command7, dek::Command8}) EXPECT_TRUE(IsEnabled(dek.Control(id))) << id;
    PostMessageW(dek.main, WM_COMMAND, dek::mrc0, 0);
    ASSERT_TRUE(watcher.WaitFor(SPI_SETSCREENSAVEACTIVE, 2));
    EXPECT_EQ(watcher.Wallpapers(), (Paths{Wall(folder, 2), Wall(folder, 1), Wall(folder, 2), Wall(folder, 1)}));
    EXPECT_EQ(watcher.ScreenSavers(), (Paths{Saver(folder, 2), Saver(folder, 1)}));
    EXPECT_EQ(ListSelection(savers), 0);

    // A user's selection in between (w2, applied) is no pick: the next goes on from w1.
    ASSERT_TRUE(ClickRowThen(walls, 1, dek.Control(dek::Command4)));
    ASSERT_TRUE(watcher.WaitFor(SPI_SETDESKWALLPAPER, 5));
    PostMessageW(dek.main, WM_COMMAND, dek::mrc1, 0);
    ASSERT_TRUE(watcher.WaitFor(SPI_SETDESKWALLPAPER, 6));
    EXPECT_EQ(watcher.Wallpapers().back(), Wall(folder, 2));
    EXPECT_EQ(dek.CloseAndWait(), 0u);
}

// With "起動時に変更" the start changes both lists, never their first entries; an empty list
// changes nothing.
TEST_F(RandomChange, AChangeAtStartUp) {
    ProgramFolder folder(L"start-up change");
    Fill(folder, 3, 2);
    SetDekSetting(L"opt1value", L"1");
    SettingChangeWatcher watcher;  // before the start: the change comes within it
    Dek dek(folder);
    ASSERT_TRUE(watcher.WaitFor(SPI_SETSCREENSAVEACTIVE, 1));
    ASSERT_EQ(watcher.Wallpapers().size(), 1u);
    EXPECT_NE(watcher.Wallpapers()[0], Wall(folder, 1));
    EXPECT_EQ(watcher.ScreenSavers(), (Paths{Saver(folder, 2)}));
    ASSERT_TRUE(dek.WaitUntilRunning());
    EXPECT_EQ(dek.CloseAndWait(), 0u);
}

// Ticks come as WM_TIMER; a menu change between them leaves the count alone.
TEST_F(RandomChange, TheTimedChangeComesAtTheIntervalAndTheCountStartsAgain) {
    ProgramFolder folder(L"timer count");
    Fill(folder, 2, 2);
    SetDekSetting(L"opt2value", L"1");
    SetDekSetting(L"changeinterval", L"3");
    Dek dek(folder);  // its own timer ticks once a minute: the test's ticks are the only ones
    ASSERT_TRUE(dek.WaitUntilRunning());
    SettingChangeWatcher watcher;
    auto ticks = [&](int n) {
        for (int i = 0; i < n; ++i) PostMessageW(dek.main, WM_TIMER, dek::ChangeTimer::kId, 0);
    };
    // Messages are handled in order: once the menu's screen-saver change is seen, the ticks
    // posted before it have been handled too.
    for (size_t round = 0; round < 2; ++round) {
        ticks(2);
        PostMessageW(dek.main, WM_COMMAND, dek::mrc2, 0);
        ASSERT_TRUE(watcher.WaitFor(SPI_SETSCREENSAVEACTIVE, 2 * round + 1));
        EXPECT_EQ(watcher.Wallpapers().size(), round);
        ticks(1);
        ASSERT_TRUE(watcher.WaitFor(SPI_SETDESKWALLPAPER, round + 1));
        ASSERT_TRUE(watcher.WaitFor(SPI_SETSCREENSAVEACTIVE, 2 * round + 2));
    }
    EXPECT_EQ(watcher.Wallpapers(), (Paths{Wall(folder, 2), Wall(folder, 1)}));
    EXPECT_EQ(dek.CloseAndWait(), 0u);
}

// Real ticks of the timer armed at the start: DekQuickTimer counts a "minute" every 100 ms.
TEST_F(RandomChange, RealTicksChangeEveryInterval) {
    ProgramFolder folder(L"timer ticks");
    UseQuickTimer(folder);
    Fill(folder, 2, 0);
    SetDekSetting(L"opt2value", L"1");
    SetDekSetting(L"changeinterval", L"2");
    SettingChangeWatcher watcher;
    Dek dek(folder, L"-s");
    ASSERT_TRUE(watcher.WaitFor(SPI_SETDESKWALLPAPER, 3));
    const Paths applied = watcher.Wallpapers();
    EXPECT_EQ(Paths(applied.begin(), applied.begin() + 3), (Paths{Wall(folder, 2), Wall(folder, 1), Wall(folder, 2)}));
    EXPECT_EQ(dek.CloseAndWait(), 0u);
}

}  // namespace
