// Applying a wallpaper in its display position and a screen saver by its short path, as the
// system sees it: the registry, system.ini, and what had been written when the change was announced.
#include <gtest/gtest.h>

#include "tests/support/dek.h"
#include "tests/support/desktop.h"

namespace {

using namespace dektest;

class Apply : public testing::Test {
protected:
    void SetUp() override {
        ResetDekSettings();
        SetDekSetting(L"opt2value", L"0");
    }
    void TearDown() override { ResetDekSettings(); }

    DesktopGuard desktop_;
};

TEST_F(Apply, EachPositionWritesItsTilingPairBeforeTheWallpaperIsSet) {
    ProgramFolder folder(L"positions");
    struct Wall {
        const wchar_t* name;
        const char* record;
    };
    const Wall walls[] = {{L"a tile.bmp", "1\r\n"}, {L"b center.bmp", "0\r\n"}, {L"c stretch.bmp", "2\r\n"},
                          {L"d nine.bmp", "9\r\n"}, {L"e gone.bmp", "1\r\n"}};
    for (const Wall& w : walls) {
        WriteFile(folder.Wall() + L"\\" + w.name, BitmapBytes(16, 16, 0x8040C0));
        WriteFile(folder.Dat() + L"\\" + w.name + L".dat", w.record);
    }
    SetDesktopValue(L"TileWallpaper", L"before");
    SetDesktopValue(L"WallpaperStyle", L"before");
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    HWND list = dek.Control(dek::List1);
    ASSERT_EQ(ListRows(list).size(), 5u);
    // A record removed after the list was built: the wallpaper is applied centred.
    DeleteFileW((folder.Dat() + L"\\e gone.bmp.dat").c_str());

    SettingChangeWatcher watcher;
    struct Step {
        int row;
        const wchar_t* tile;
        const wchar_t* style;
    };
    // Each step's pair differs from the one before, so a pair written late would show.
    const Step steps[] = {{0, L"1", L"0"}, {1, L"0", L"0"}, {2, L"0", L"2"}, {0, L"1", L"0"},
                          {3, L"0", L"2"}, {4, L"0", L"0"}};
    size_t applied = 0;
    for (const Step& step : steps) {
        ClickListRow(list, step.row);
        ASSERT_TRUE(WaitFor([&] { return ListSelection(list) == step.row; })) << step.row;
        Click(dek.Control(dek::Command4));
        ASSERT_TRUE(watcher.WaitFor(SPI_SETDESKWALLPAPER, ++applied)) << step.row;
        const SettingChange announced = watcher.Of(SPI_SETDESKWALLPAPER).back();
        EXPECT_EQ(announced.wallpaper, folder.Wall() + L"\\" + walls[step.row].name) << step.row;
        EXPECT_EQ(announced.tileWallpaper, std::wstring(step.tile)) << step.row;
        EXPECT_EQ(announced.wallpaperStyle, std::wstring(step.style)) << step.row;
    }
    // Records keep their numbers; the one removed by hand is not written again by applying.
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\d nine.bmp.dat"), "9\r\n");
    EXPECT_FALSE(Exists(folder.Dat() + L"\\e gone.bmp.dat"));
    EXPECT_EQ(CloseAndWait(dek), 0u);
}

TEST_F(Apply, TheScreenSaverIsRecordedByItsShortPathAndSwitchedOn) {
    ProgramFolder folder(L"screen saver");
    const std::wstring saver = folder.Saver() + L"\\My Long Screen Saver Name.scr";
    WriteFile(saver, "saver");
    SetSystemIniScreenSaver(L"before");
    SetDesktopValue(L"SCRNSAVE.EXE", L"before");
    SetDesktopValue(L"ScreenSaveActive", L"0");
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    SettingChangeWatcher watcher;

    ClickListRow(dek.Control(dek::File2), 0);
    ASSERT_TRUE(WaitFor([&] { return IsEnabled(dek.Control(dek::Command8)); }));
    Click(dek.Control(dek::Command8));
    ASSERT_TRUE(watcher.WaitFor(SPI_SETSCREENSAVEACTIVE, 1));
    const std::wstring shortPath = ShortPathOf(saver);
    ASSERT_NE(shortPath, saver);
    EXPECT_NE(shortPath.find(L'~'), std::wstring::npos) << shortPath;
    const SettingChange announced = watcher.Of(SPI_SETSCREENSAVEACTIVE).back();
    EXPECT_EQ(announced.screenSaver, shortPath);  // written before the switch is announced
    EXPECT_EQ(announced.screenSaveActive, L"1");
    EXPECT_EQ(SystemIniScreenSaver(), shortPath);
    EXPECT_EQ(DesktopValue(L"SCRNSAVE.EXE"), shortPath);

    // A saver gone behind the program's back leaves no screen saver named, and still switches on.
    DeleteFileW(saver.c_str());
    SetDesktopValue(L"ScreenSaveActive", L"0");
    Click(dek.Control(dek::Command8));
    ASSERT_TRUE(watcher.WaitFor(SPI_SETSCREENSAVEACTIVE, 2));
    EXPECT_EQ(SystemIniScreenSaver(), std::wstring());
    EXPECT_EQ(DesktopValue(L"SCRNSAVE.EXE"), std::wstring());
    EXPECT_EQ(DesktopValue(L"ScreenSaveActive"), L"1");
    EXPECT_EQ(CloseAndWait(dek), 0u);
}

}  // namespace
