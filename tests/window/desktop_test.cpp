// The two lists of the collection, the selection the buttons act on, applying a wallpaper in its
// display position and a screen saver by its short path, and the random changes, as the system
// sees them: the registry, system.ini, and what had been written when each change was announced.
#include <gtest/gtest.h>

#include "changer/dialogs/settings_dialog_ids.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "tests/window/window_test.h"

using namespace dektest;
using Rows = std::vector<std::wstring>;

class DesktopChanges : public ChangerWindowTest {
protected:
    void SetUp() override {
        ChangerWindowTest::SetUp();
        SetDekSetting(L"opt2value", L"0");  // no timed change unless a test asks for one
    }
    // Wallpapers w1.bmp, w2.bmp, ... and savers s1.scr, s2.scr, ... (list order).
    void Fill(int walls, int savers) {
        for (int i = 1; i <= walls; ++i) WriteFile(Wall(i), MakeBitmap(4, 4, [](int, int) { return 0; }));
        for (int i = 1; i <= savers; ++i) WriteFile(folder.Saver() + L"\\s" + std::to_wstring(i) + L".scr", "saver");
    }
    std::wstring Wall(int i) const { return folder.Wall() + L"\\w" + std::to_wstring(i) + L".bmp"; }
    std::wstring Saver(int i) const { return platform::ShortPathOf(folder.Saver() + L"\\s" + std::to_wstring(i) + L".scr"); }
    SettingChangeWatcher watcher;
};

TEST_F(DesktopChanges, EachWallpaperIsAppliedInThePositionItsRowShows) {
    const std::pair<const wchar_t*, const char*> walls[] = {{L" lead.bmp", nullptr}, {L"comma.bmp", "1,5\r\n"},
                                                            {L"notes.txt", nullptr}, {L"odd.bmp", "7\r\n"},
                                                            {L"sea.bmp", "1\r\n"},   {L"Wide.bmp", "2\r\n"},
                                                            {L"hidden.bmp", nullptr}};
    for (const auto& [name, record] : walls) {
        WriteFile(folder.Wall() + L"\\" + name, MakeBitmap(2, 2, [](int, int) { return 0; }));
        if (record) WriteFile(folder.Dat() + L"\\" + name + L".dat", record);
    }
    SetFileAttributesW((folder.Wall() + L"\\hidden.bmp").c_str(), FILE_ATTRIBUTE_HIDDEN);
    CreateDirectoryW((folder.Wall() + L"\\sub").c_str(), nullptr);
    SetDesktopValue(L"TileWallpaper", L"before");
    ASSERT_TRUE(Start());
    HWND list = Control(dek::WallpaperList);
    EXPECT_EQ(ListRows(list), (Rows{L"全\u3000 lead.bmp", L"並\u3000comma.bmp", L"全\u3000notes.txt", L"拡\u3000odd.bmp",
                                    L"並\u3000sea.bmp", L"拡\u3000Wide.bmp"}));
    // Missing records are created with 0 for listed files only; existing ones stay as they are.
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\notes.txt.dat"), "0\r\n");
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\odd.bmp.dat"), "7\r\n");
    EXPECT_EQ(FolderNames(folder.Dat()).size(), 6u);
    // The list shows the wallpaper the buttons act on: the last one after the start.
    EXPECT_EQ(ListSelection(list), 5);
    for (int id : {dek::DeleteWallpaperButton, dek::PreviewWallpaperButton, dek::ApplyWallpaperButton}) EXPECT_TRUE(IsWindowEnabled(Control(id))) << id;

    // A record removed after the list was built: the wallpaper is applied centred. Each pair
    // differs from the one before, so a pair written after the announcement would show.
    DeleteFileW((folder.Dat() + L"\\sea.bmp.dat").c_str());
    const std::tuple<int, const wchar_t*, const wchar_t*> steps[] = {
        {-1, L"0", L"2"}, {1, L"1", L"0"}, {0, L"0", L"0"}, {3, L"0", L"2"}, {4, L"0", L"0"}};
    for (const auto& [row, tile, style] : steps) {
        if (row >= 0) ClickRow(dek::WallpaperList, row);
        Command(dek::ApplyWallpaperButton);
        const SettingChange announced = watcher.Of(SPI_SETDESKWALLPAPER).back();
        // Only the marker and the ideographic space are cut from a row, never a blank of the name.
        EXPECT_EQ(announced.wallpaper, folder.Wall() + L"\\" + ListRows(list)[ListSelection(list)].substr(2)) << row;
        EXPECT_EQ(announced.tileWallpaper, std::wstring(tile)) << row;
        EXPECT_EQ(announced.wallpaperStyle, std::wstring(style)) << row;
    }
    EXPECT_FALSE(Exists(folder.Dat() + L"\\sea.bmp.dat"));  // applying writes no record
    ClickRow(dek::WallpaperList, 1, true);                          // a double-click applies at once
    Rows applied;  // the wallpapers of the steps, then the double-clicked one
    for (auto name : {L"Wide", L"comma", L" lead", L"odd", L"sea", L"comma"}) applied.push_back(folder.Wall() + L"\\" + name + L".bmp");
    EXPECT_EQ(watcher.Applied(SPI_SETDESKWALLPAPER), applied);
}

TEST_F(DesktopChanges, AScreenSaverIsAppliedByItsShortPath) {
    for (const wchar_t* name : {L"b.scr", L"A Long Saver Name.scr", L"readme.txt", L"UPPER.SCR", L"scr"}) {
        WriteFile(folder.Saver() + L"\\" + name, "saver");
    }
    SetDesktopValue(L"ScreenSaveActive", L"0");
    ASSERT_TRUE(Start());
    EXPECT_EQ(ListRows(Control(dek::ScreenSaverList)), (Rows{L"A Long Saver Name.scr", L"b.scr", L"UPPER.SCR"}));
    ClickRow(dek::ScreenSaverList, 0);
    for (int id : {dek::DeleteScreenSaverButton, dek::PreviewScreenSaverButton, dek::ApplyScreenSaverButton}) EXPECT_TRUE(IsWindowEnabled(Control(id))) << id;
    Command(dek::ApplyScreenSaverButton);
    const std::wstring shortPath = platform::ShortPathOf(folder.Saver() + L"\\A Long Saver Name.scr");
    const SettingChange announced = watcher.Of(SPI_SETSCREENSAVEACTIVE).back();
    EXPECT_EQ(announced.screenSaver, shortPath);  // written before the switch is announced
    EXPECT_EQ(announced.screenSaveActive, L"1");
    EXPECT_EQ(DesktopValue(L"SCRNSAVE.EXE"), shortPath);
    ClickRow(dek::ScreenSaverList, 1, true);
    EXPECT_EQ(SystemIniScreenSaver(), platform::ShortPathOf(folder.Saver() + L"\\b.scr"));
    // A saver gone behind the program's back is reported, leaves no screen saver named, and still
    // switches on.
    DeleteFileW((folder.Saver() + L"\\b.scr").c_str());
    SetDesktopValue(L"ScreenSaveActive", L"0");
    std::wstring text;
    Expect({OkBox(&text)});
    Command(dek::ApplyScreenSaverButton);
    EXPECT_NE(text.find(folder.Saver() + L"\\b.scr"), std::wstring::npos) << text;
    EXPECT_EQ(SystemIniScreenSaver(), std::wstring());
    EXPECT_EQ(DesktopValue(L"SCRNSAVE.EXE"), std::wstring());
    EXPECT_EQ(DesktopValue(L"ScreenSaveActive"), L"1");
}

// With "起動時に変更" the start changes both lists; the first change of a run takes the second of
// two. Each list then goes on from its own last pick, never taking it twice running, and a user's
// selection in between is no pick. The lists show each pick, and its buttons act on it.
TEST_F(DesktopChanges, RandomChangesNeverRepeatTheirListsLastPick) {
    Fill(2, 2);
    SetDekSetting(L"opt1value", L"1");
    ASSERT_TRUE(Start());
    EXPECT_EQ(ListSelection(Control(dek::ScreenSaverList)), 1);
    for (int n = 0; n < 2; ++n) {
        Command(dek::TrayMenuChangeWallpaper);
        EXPECT_EQ(ListSelection(Control(dek::WallpaperList)), n % 2 ? 1 : 0);
    }
    Command(dek::TrayMenuChangeBoth);
    ClickRow(dek::WallpaperList, 1);  // the user's choice, applied: no pick
    Command(dek::ApplyWallpaperButton);
    Command(dek::TrayMenuChangeScreenSaver);
    Command(dek::TrayMenuChangeWallpaper);
    EXPECT_EQ(watcher.Applied(SPI_SETDESKWALLPAPER), (Rows{Wall(2), Wall(1), Wall(2), Wall(1), Wall(2), Wall(2)}));
    EXPECT_EQ(watcher.Applied(SPI_SETSCREENSAVEACTIVE), (Rows{Saver(2), Saver(1), Saver(2)}));
    EXPECT_EQ(ListSelection(Control(dek::ScreenSaverList)), 1);
}

// Ticks of the timer armed at the start (a "minute" of 100 ms in the tests) change at the interval;
// a menu change or the settings dialog's OK between them leaves the count alone.
TEST_F(DesktopChanges, TheTimedChangeComesAtTheInterval) {
    Fill(2, 2);
    SetDekSetting(L"opt2value", L"1");
    SetDekSetting(L"changeinterval", L"3");
    ASSERT_TRUE(Start());
    auto tick = [&] { SendMessageW(Main(), WM_TIMER, dek::ChangeTimer::kId, 0); };
    for (size_t round = 1; round <= 2; ++round) {
        tick(), tick();
        Command(dek::TrayMenuChangeScreenSaver);
        Command(dek::DetailedSettingsButton);  // nor does the settings dialog's OK
        const HWND settings = FindWindowW(dek::kSettingsDialogClass, nullptr);
        SendMessageW(GetDlgItem(settings, dek::SettingsOkButton), BM_CLICK, 0, 0);
        EXPECT_EQ(watcher.Applied(SPI_SETDESKWALLPAPER).size(), round - 1);
        tick();
        EXPECT_EQ(watcher.Applied(SPI_SETDESKWALLPAPER).size(), round);
    }
    EXPECT_EQ(watcher.Applied(SPI_SETDESKWALLPAPER), (Rows{Wall(2), Wall(1)}));
    EXPECT_TRUE(PumpUntil([&] { return watcher.Applied(SPI_SETDESKWALLPAPER).size() >= 3; }));  // and the real ticks
}

// A change and an apply each play the sound for switch 1 only: the WAV file, or the system's
// default sound for a file that is no WAV.
TEST_F(DesktopChanges, TheChangeSoundPlaysForSwitchOneOnly) {
    Fill(2, 2);
    WriteFile(folder / L"bell.wav", std::string("RIFF\x24\0\0\0WAVEfmt ", 16));
    WriteFile(folder / L"notes.txt", "not a sound");
    const std::tuple<const wchar_t*, const wchar_t*, std::vector<std::wstring>> cases[] = {
        {L"0", L"bell.wav", {}},
        {L"2", L"bell.wav", {}},
        {L"1", L"bell.wav", {folder / L"bell.wav", folder / L"bell.wav"}},
        {L"1", L"notes.txt", {L"", L""}}};
    for (const auto& [playSound, file, heard] : cases) {
        SetDekSetting(L"opt3value", playSound);
        SetDekSetting(L"wavdir", folder / file);
        sounds.clear();
        ASSERT_TRUE(Start());
        Command(dek::TrayMenuChangeBoth);
        Command(dek::ApplyWallpaperButton);
        EXPECT_EQ(sounds, heard) << playSound << " " << file;
    }
}

// The system may take any file as the wallpaper and say it did: a file that is no bitmap is
// reported by name and the desktop keeps its wallpaper.
TEST_F(DesktopChanges, AWallpaperThatIsNoBitmapIsReportedAndNotApplied) {
    Fill(1, 0);
    WriteFile(folder.Wall() + L"\\notes.bmp", "not a picture");
    ASSERT_TRUE(Start());
    ClickRow(dek::WallpaperList, 0);
    std::wstring text;
    Expect({OkBox(&text)});
    Command(dek::ApplyWallpaperButton);
    EXPECT_NE(text.find(folder.Wall() + L"\\notes.bmp"), std::wstring::npos) << text;
    EXPECT_TRUE(watcher.Applied(SPI_SETDESKWALLPAPER).empty());
}

// A pick that cannot be applied gives way to the one after it; when neither can, the failure is
// reported, once a run.
TEST_F(DesktopChanges, ARandomChangePassesOverABrokenPickAndReportsOnce) {
    Fill(2, 0);
    WriteFile(Wall(2), "broken");
    ASSERT_TRUE(Start());
    Command(dek::TrayMenuChangeWallpaper);  // the first pick of a run takes the second of two
    EXPECT_EQ(watcher.Applied(SPI_SETDESKWALLPAPER), Rows{Wall(1)});
    WriteFile(Wall(1), "broken too");
    std::wstring first, second;
    Expect({OkBox(&first)});
    Command(dek::TrayMenuChangeWallpaper);
    EXPECT_NE(first.find(folder.Wall()), std::wstring::npos) << first;
    Expect({OkBox(&second)});
    Command(dek::TrayMenuChangeBoth);
    EXPECT_FALSE(Answered()) << testing::PrintToString(second);
    EXPECT_EQ(watcher.Applied(SPI_SETDESKWALLPAPER).size(), 1u);
}

// While the shell says the user is busy the timed change waits; once the user is free it comes,
// once, however many intervals passed. Each change plays the sound, after which the user is busy again.
TEST_F(DesktopChanges, ATimedChangeWaitsWhileTheUserIsBusy) {
    Fill(2, 0);
    SetDekSetting(L"opt2value", L"1");
    SetDekSetting(L"changeinterval", L"1");
    SetDekSetting(L"opt3value", L"1");
    bool free = false;
    userState = [&] { return free && sounds.empty() ? 5 : 2; };
    ASSERT_TRUE(Start());
    EXPECT_FALSE(PumpUntil([&] { return !sounds.empty(); }, 1000ms));  // ten intervals
    free = true;
    EXPECT_TRUE(PumpUntil([&] { return !sounds.empty(); }));
    PumpUntil([] { return false; }, 500ms);
    EXPECT_EQ(sounds.size(), 1u);
}

// Under Wine there is one monitor: the test gives two, one left of and above the primary. A
// stretched picture, red over green, and a blue one centred, each on a monitor of its own, in one
// bitmap over both that the desktop spans.
TEST_F(DesktopChanges, EachMonitorGetsItsOwnWallpaperInItsPosition) {
    WriteFile(Wall(1), MakeBitmap(4, 4, [](int, int y) { return y < 2 ? RGB(255, 0, 0) : RGB(0, 255, 0); }));
    WriteFile(Wall(2), MakeBitmap(4, 4, [](int, int) { return RGB(0, 0, 255); }));
    WriteFile(folder.Dat() + L"\\w1.bmp.dat", "2\r\n");
    SetDekSetting(L"eachmonitor", L"1");
    monitors = {{{0, 0, 200, 100}, true}, {{-100, -50, 0, 50}, false}};
    ASSERT_TRUE(Start());
    Command(dek::TrayMenuChangeWallpaper);
    const std::wstring composed = folder.Dat() + L"\\monitors.bmp";
    EXPECT_EQ(DesktopValue(L"Wallpaper"), composed);
    const platform::PictureLoad load = platform::LoadPicture(composed);
    ASSERT_TRUE(load.picture.has_value());
    EXPECT_EQ(std::pair(load.picture->Width(), load.picture->Height()), std::pair(300, 150));
    // What the desktop shows at a point of the virtual screen: spanned (Windows 8 on), the bitmap
    // from the virtual screen's corner; tiled (Windows 7, as Wine here says it is), repeated from
    // the primary's corner.
    const bool spanned = DesktopValue(L"WallpaperStyle") == L"22";
    EXPECT_EQ(std::pair(DesktopValue(L"WallpaperStyle"), DesktopValue(L"TileWallpaper")),
              spanned ? std::pair(std::optional<std::wstring>(L"22"), std::optional<std::wstring>(L"0"))
                      : std::pair(std::optional<std::wstring>(L"0"), std::optional<std::wstring>(L"1")));
    auto at = [&](int x, int y) { return spanned ? PixelOf(*load.picture, x + 100, y + 50) : PixelOf(*load.picture, (x + 300) % 300, (y + 150) % 150); };
    const bool primaryRed = at(10, 10) == RGB(255, 0, 0);
    const POINT red = primaryRed ? POINT{10, 10} : POINT{-95, -45}, blue = primaryRed ? POINT{-50, 0} : POINT{100, 50},
                beside = primaryRed ? POINT{-95, -45} : POINT{10, 10};
    EXPECT_EQ(at(red.x, red.y), RGB(255, 0, 0));
    EXPECT_EQ(at(red.x, red.y + 80), RGB(0, 255, 0));
    EXPECT_EQ(at(blue.x, blue.y), RGB(0, 0, 255));
    const COLORREF background = GetSysColor(COLOR_DESKTOP);
    EXPECT_EQ(at(beside.x, beside.y), RGB(GetRValue(background), GetGValue(background), GetBValue(background)));
    EXPECT_EQ(ListSelection(Control(dek::WallpaperList)), primaryRed ? 0 : 1);
    // Monitors rearranged after a new file moved the rows: the same two pictures, one stretched and
    // one centred, each laid out again on a monitor by its place in the new layout.
    WriteFile(folder.Wall() + L"\\a.bmp", MakeBitmap(4, 4, [](int, int) { return RGB(255, 255, 255); }));
    ASSERT_TRUE(PumpUntil([&] { return ListRows(Control(dek::WallpaperList)).size() == 3; }));
    monitors = {{{0, 0, 200, 100}, true}, {{200, 0, 300, 100}, false}};
    SendMessageW(Main(), WM_DISPLAYCHANGE, 24, 0);
    const platform::Picture again = platform::LoadPicture(composed).picture.value();  // throws, failing the test, when unreadable
    const COLORREF corners[] = {PixelOf(again, 10, 10), PixelOf(again, 210, 10)}, centres[] = {PixelOf(again, 100, 50), PixelOf(again, 250, 50)};
    EXPECT_EQ(std::count(std::begin(corners), std::end(corners), RGB(255, 0, 0)), 1);
    EXPECT_EQ(std::count(std::begin(centres), std::end(centres), RGB(0, 0, 255)), 1);
}
