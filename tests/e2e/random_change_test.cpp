// Random changes from the CHANGE menu, at start-up and in the one-shot run, and the change timer.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/dek.h"
#include "tests/support/desktop.h"

namespace {

using namespace dektest;

class RandomChange : public testing::Test {
protected:
    void SetUp() override {
        ResetDekSettings();
        SetDekSetting(L"opt2value", L"0");
    }
    void TearDown() override { ResetDekSettings(); }

    // Wallpapers w1.bmp, w2.bmp, ... and savers s1.scr, s2.scr, ... (list order).
    static void Fill(const ProgramFolder& folder, int walls, int savers) {
        for (int i = 1; i <= walls; ++i) {
            WriteFile(folder.Wall() + L"\\w" + std::to_wstring(i) + L".bmp", BitmapBytes(8, 8, 0x102030u * i));
        }
        for (int i = 1; i <= savers; ++i) WriteFile(folder.Saver() + L"\\s" + std::to_wstring(i) + L".scr", "saver");
    }
    static std::wstring Wall(const ProgramFolder& folder, int i) {
        return folder.Wall() + L"\\w" + std::to_wstring(i) + L".bmp";
    }
    static std::wstring Saver(const ProgramFolder& folder, int i) {
        return ShortPathOf(folder.Saver() + L"\\s" + std::to_wstring(i) + L".scr");
    }
    static std::vector<std::wstring> Wallpapers(const SettingChangeWatcher& watcher) {
        std::vector<std::wstring> applied;
        for (const SettingChange& c : watcher.Of(SPI_SETDESKWALLPAPER)) applied.push_back(c.wallpaper.value_or(L""));
        return applied;
    }
    static std::vector<std::wstring> Savers(const SettingChangeWatcher& watcher) {
        std::vector<std::wstring> applied;
        for (const SettingChange& c : watcher.Of(SPI_SETSCREENSAVEACTIVE)) applied.push_back(c.screenSaver.value_or(L"<none>"));
        return applied;
    }

    DesktopGuard desktop_;
};

TEST_F(RandomChange, TwoEntriesAlternateAndTheFirstChangeTakesTheSecond) {
    ProgramFolder folder(L"two");
    Fill(folder, 2, 2);
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    SettingChangeWatcher watcher;

    for (size_t n = 1; n <= 3; ++n) {
        ClickMenuItem(dek.main, dek::mrc1);
        ASSERT_TRUE(watcher.WaitFor(SPI_SETDESKWALLPAPER, n));
    }
    EXPECT_EQ(Wallpapers(watcher), (std::vector<std::wstring>{Wall(folder, 2), Wall(folder, 1), Wall(folder, 2)}));

    // The screen-saver change selects its pick in the visible list and enables its buttons.
    HWND savers = dek.Control(dek::File2);
    ClickMenuItem(dek.main, dek::mrc2);
    ASSERT_TRUE(watcher.WaitFor(SPI_SETSCREENSAVEACTIVE, 1));
    EXPECT_EQ(ListSelection(savers), 1);
    for (int id : {dek::Command6, dek::Command7, dek::Command8}) EXPECT_TRUE(IsEnabled(dek.Control(id))) << id;
    ClickMenuItem(dek.main, dek::mrc2);
    ASSERT_TRUE(watcher.WaitFor(SPI_SETSCREENSAVEACTIVE, 2));
    EXPECT_EQ(ListSelection(savers), 0);

    // Both at once, each list going on from its own last pick.
    ClickMenuItem(dek.main, dek::mrc0);
    ASSERT_TRUE(watcher.WaitFor(SPI_SETDESKWALLPAPER, 4));
    ASSERT_TRUE(watcher.WaitFor(SPI_SETSCREENSAVEACTIVE, 3));
    EXPECT_EQ(Wallpapers(watcher).back(), Wall(folder, 1));
    EXPECT_EQ(Savers(watcher), (std::vector<std::wstring>{Saver(folder, 2), Saver(folder, 1), Saver(folder, 2)}));
    // The wallpaper menu item changed no screen saver, and the other way round.
    EXPECT_EQ(Wallpapers(watcher).size(), 4u);

    // A user's selection in between does not count as a pick: the wallpaper pick goes on from w1.
    ClickListRow(dek.Control(dek::List1), 1);
    ASSERT_TRUE(WaitFor([&] { return ListSelection(dek.Control(dek::List1)) == 1; }));
    ClickMenuItem(dek.main, dek::mrc1);
    ASSERT_TRUE(watcher.WaitFor(SPI_SETDESKWALLPAPER, 5));
    EXPECT_EQ(Wallpapers(watcher).back(), Wall(folder, 2));
    EXPECT_EQ(CloseAndWait(dek), 0u);
}

TEST_F(RandomChange, AListWithOneEntryTakesItEveryTimeAndAnEmptyListNothing) {
    ProgramFolder folder(L"one");
    Fill(folder, 1, 0);
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    SettingChangeWatcher watcher;
    for (size_t n = 1; n <= 3; ++n) {
        ClickMenuItem(dek.main, dek::mrc0);
        ASSERT_TRUE(watcher.WaitFor(SPI_SETDESKWALLPAPER, n));
    }
    EXPECT_EQ(Wallpapers(watcher), (std::vector<std::wstring>(3, Wall(folder, 1))));
    watcher.Pump();
    EXPECT_TRUE(watcher.Of(SPI_SETSCREENSAVEACTIVE).empty());
    EXPECT_EQ(CloseAndWait(dek), 0u);
}

TEST_F(RandomChange, TheStartUpChangeTakesTheSecondEntryOfEachList) {
    ProgramFolder folder(L"start-up change");
    Fill(folder, 3, 2);
    SetDekSetting(L"opt1value", L"1");
    SettingChangeWatcher watcher;  // before the start: the change comes within the load step
    Dek dek(folder);
    ASSERT_TRUE(watcher.WaitFor(SPI_SETSCREENSAVEACTIVE, 1));
    ASSERT_EQ(Wallpapers(watcher).size(), 1u);
    EXPECT_NE(Wallpapers(watcher)[0], Wall(folder, 1));
    EXPECT_EQ(Savers(watcher), (std::vector<std::wstring>{Saver(folder, 2)}));
    ASSERT_TRUE(dek.WaitUntilRunning());
    EXPECT_EQ(CloseAndWait(dek), 0u);
}

TEST_F(RandomChange, TheOneShotRunChangesBothOnceAndEnds) {
    ProgramFolder folder(L"one shot");
    Fill(folder, 2, 2);
    WriteFile(folder.Dat() + L"\\w2.bmp.dat", "1\r\n");
    Dek dek(folder, L"-e");
    EXPECT_EQ(dek.program.WaitForExit(), 0u);
    EXPECT_EQ(DesktopValue(L"Wallpaper"), Wall(folder, 2));
    EXPECT_EQ(DesktopValue(L"TileWallpaper"), L"1");
    EXPECT_EQ(SystemIniScreenSaver(), Saver(folder, 2));
    EXPECT_EQ(DesktopValue(L"ScreenSaveActive"), L"1");
    // The list rebuild of the start still creates the missing record.
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\w1.bmp.dat"), "0\r\n");
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\w2.bmp.dat"), "1\r\n");
}

TEST_F(RandomChange, TheOneShotRunOnAnEmptyCollectionAppliesNothingAndStillEnds) {
    ProgramFolder folder(L"one shot empty");
    // The change sound is on, with a sound file that does not exist: the default sound starts
    // and the run does not wait for it.
    SetDekSetting(L"opt3value", L"1");
    SetDekSetting(L"wavdir", folder / L"missing.wav");
    SetDesktopValue(L"Wallpaper", L"untouched");
    SetDesktopValue(L"TileWallpaper", L"untouched");
    SetDesktopValue(L"ScreenSaveActive", L"0");
    SetSystemIniScreenSaver(L"untouched");
    Dek dek(folder, L"-e");
    EXPECT_EQ(dek.program.WaitForExit(), 0u);
    EXPECT_EQ(DesktopValue(L"Wallpaper"), L"untouched");
    EXPECT_EQ(DesktopValue(L"TileWallpaper"), L"untouched");
    EXPECT_EQ(DesktopValue(L"ScreenSaveActive"), L"0");
    EXPECT_EQ(SystemIniScreenSaver(), L"untouched");
}

class ChangeTimer : public RandomChange {};

TEST_F(ChangeTimer, TheTimedChangeComesAtTheIntervalAndTheCountStartsAgain) {
    ProgramFolder folder(L"timer count");
    Fill(folder, 2, 2);
    SetDekSetting(L"opt2value", L"1");
    SetDekSetting(L"changeinterval", L"3");
    Dek dek(folder);  // its own timer ticks once a minute: the test's ticks are the only ones
    ASSERT_TRUE(dek.WaitUntilRunning());
    SettingChangeWatcher watcher;
    auto tick = [&] { PostMessageW(dek.main, WM_TIMER, dek::ChangeTimer::kId, 0); };
    // Messages are handled in order: once the menu's screen-saver change is seen, the ticks
    // posted before it have been handled too. A menu change does not touch the count.
    auto ticksThenMenuChange = [&](int ticks, size_t saversSoFar) {
        for (int i = 0; i < ticks; ++i) tick();
        ClickMenuItem(dek.main, dek::mrc2);
        return watcher.WaitFor(SPI_SETSCREENSAVEACTIVE, saversSoFar + 1);
    };

    ASSERT_TRUE(ticksThenMenuChange(2, 0));
    EXPECT_TRUE(Wallpapers(watcher).empty());
    tick();  // the third
    ASSERT_TRUE(watcher.WaitFor(SPI_SETDESKWALLPAPER, 1));
    ASSERT_TRUE(watcher.WaitFor(SPI_SETSCREENSAVEACTIVE, 2));
    EXPECT_EQ(Wallpapers(watcher), (std::vector<std::wstring>{Wall(folder, 2)}));

    ASSERT_TRUE(ticksThenMenuChange(2, 2));
    EXPECT_EQ(Wallpapers(watcher).size(), 1u);
    tick();
    ASSERT_TRUE(watcher.WaitFor(SPI_SETDESKWALLPAPER, 2));
    EXPECT_EQ(Wallpapers(watcher).back(), Wall(folder, 1));
    EXPECT_EQ(CloseAndWait(dek), 0u);
}

TEST_F(ChangeTimer, RealTicksChangeEveryIntervalWhileTheTimerIsOn) {
    ProgramFolder folder(L"timer ticks");
    UseQuickTimer(folder);  // a "minute" of 100 ms
    Fill(folder, 2, 0);
    SetDekSetting(L"opt2value", L"1");
    SetDekSetting(L"changeinterval", L"2");
    SettingChangeWatcher watcher;
    Dek dek(folder, L"-s");
    ASSERT_TRUE(watcher.WaitFor(SPI_SETDESKWALLPAPER, 3));
    const std::vector<std::wstring> applied = Wallpapers(watcher);
    EXPECT_EQ(applied[0], Wall(folder, 2));
    EXPECT_EQ(applied[1], Wall(folder, 1));
    EXPECT_EQ(applied[2], Wall(folder, 2));
    EXPECT_EQ(CloseAndWait(dek), 0u);
}

TEST_F(ChangeTimer, StartUpArmsTheTimerOnlyForSwitchOneAndANonZeroInterval) {
    // Each Dek reads the settings once at start-up. A quiet Dek is shown quiet by a busy one
    // started after it: by the time the busy one has changed ten times, the quiet one has had
    // as many ticks to change and must not have.
    const struct {
        const wchar_t* onInterval;
        const wchar_t* interval;
    } quiet[] = {{L"2", L"1"}, {L"0", L"1"}, {L"1", L"0"}};
    for (const auto& settings : quiet) {
        ProgramFolder quietFolder(L"timer off");
        UseQuickTimer(quietFolder);
        Fill(quietFolder, 2, 0);
        SetDekSetting(L"opt2value", settings.onInterval);
        SetDekSetting(L"changeinterval", settings.interval);
        Dek quietDek(quietFolder, L"-s");
        ASSERT_TRUE(quietDek.WaitUntilRunning());

        ProgramFolder busyFolder(L"timer on");
        UseQuickTimer(busyFolder);
        Fill(busyFolder, 2, 0);
        SetDekSetting(L"opt2value", L"1");
        SetDekSetting(L"changeinterval", L"1");
        SettingChangeWatcher watcher;
        Dek busyDek(busyFolder, L"-s");
        ASSERT_TRUE(watcher.WaitFor(SPI_SETDESKWALLPAPER, 10));
        for (const std::wstring& applied : Wallpapers(watcher)) {
            EXPECT_EQ(applied.rfind(busyFolder.Wall(), 0), 0u) << settings.onInterval << " " << settings.interval;
        }
        EXPECT_EQ(CloseAndWait(busyDek), 0u);
        EXPECT_EQ(CloseAndWait(quietDek), 0u);
    }
}

}  // namespace
