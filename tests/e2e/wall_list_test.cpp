// The wallpaper list List1 rebuilt from the folder and the display records, the screen-saver
// list File2, the selection the buttons act on, and the clicks on the lists.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/dek.h"
#include "tests/support/desktop.h"

namespace {

using namespace dektest;

class WallList : public testing::Test {
protected:
    void SetUp() override {
        ResetDekSettings();
        SetDekSetting(L"opt2value", L"0");  // no timed change while the test works the lists
    }
    void TearDown() override { ResetDekSettings(); }

    std::wstring AppliedWallpaper() { return DesktopValue(L"Wallpaper").value_or(L""); }

    DesktopGuard desktop_;
};

TEST_F(WallList, RowsFollowTheFolderWithMarkersAndMissingRecordsAreCreated) {
    ProgramFolder folder(L"rows");
    const std::string picture = BitmapBytes(8, 8, 0x336699);
    for (const wchar_t* name : {L"sea.bmp", L"sky.bmp", L"Wide.bmp", L"odd.bmp", L"broken.bmp", L"comma.bmp",
                                L"notes.txt", L"hidden.bmp", L"empty.bmp"}) {
        WriteFile(folder.Wall() + L"\\" + name, picture);
    }
    SetFileAttributesW((folder.Wall() + L"\\hidden.bmp").c_str(), FILE_ATTRIBUTE_HIDDEN);
    CreateDirectoryW((folder.Wall() + L"\\sub").c_str(), nullptr);
    WriteFile(folder.Dat() + L"\\sea.bmp.dat", "1\r\n");
    WriteFile(folder.Dat() + L"\\Wide.bmp.dat", "2\r\n");
    WriteFile(folder.Dat() + L"\\odd.bmp.dat", "7\r\n");
    WriteFile(folder.Dat() + L"\\broken.bmp.dat", "x\r\n");
    WriteFile(folder.Dat() + L"\\comma.bmp.dat", "1,5\r\n");
    WriteFile(folder.Dat() + L"\\empty.bmp.dat", "");

    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    const std::vector<std::wstring> expected = {
        L"全\u3000broken.bmp", L"並\u3000comma.bmp", L"全\u3000empty.bmp", L"全\u3000notes.txt",
        L"拡\u3000odd.bmp",    L"並\u3000sea.bmp",   L"全\u3000sky.bmp",   L"拡\u3000Wide.bmp",
    };
    EXPECT_EQ(ListRows(dek.Control(dek::List1)), expected);
    // The list shows the wallpaper the buttons act on: the last one.
    EXPECT_EQ(ListSelection(dek.Control(dek::List1)), 7);

    // Records are created only where missing, with 0; existing ones, broken or not, stay.
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\sky.bmp.dat"), "0\r\n");
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\notes.txt.dat"), "0\r\n");
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\odd.bmp.dat"), "7\r\n");
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\broken.bmp.dat"), "x\r\n");
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\empty.bmp.dat"), "");
    EXPECT_FALSE(Exists(folder.Dat() + L"\\hidden.bmp.dat"));
    EXPECT_FALSE(Exists(folder.Dat() + L"\\sub.dat"));

    // The rebuild leaves the last listed wallpaper selected for the buttons.
    for (int id : {dek::Command2, dek::Command3, dek::Command4}) EXPECT_TRUE(IsEnabled(dek.Control(id))) << id;
    SettingChangeWatcher watcher;
    Click(dek.Control(dek::Command4));
    ASSERT_TRUE(watcher.WaitFor(SPI_SETDESKWALLPAPER, 1));
    EXPECT_EQ(AppliedWallpaper(), folder.Wall() + L"\\Wide.bmp");
    EXPECT_EQ(DesktopValue(L"WallpaperStyle"), L"2");
    EXPECT_EQ(CloseAndWait(dek), 0u);
}

TEST_F(WallList, ClicksSelectTheWallpaperAndDoubleClicksApplyIt) {
    ProgramFolder folder(L"clicks");
    for (const wchar_t* name : {L" lead.bmp", L"sea.bmp", L"tile.bmp"}) {
        WriteFile(folder.Wall() + L"\\" + name, BitmapBytes(8, 8, 0x224466));
    }
    WriteFile(folder.Dat() + L"\\tile.bmp.dat", "1\r\n");
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    HWND list = dek.Control(dek::List1);
    ASSERT_EQ(ListRows(list).size(), 3u);
    ASSERT_EQ(ListRows(list)[0], L"全\u3000 lead.bmp");
    SettingChangeWatcher watcher;

    // A click chooses what the Change button applies; only the marker and the space are cut,
    // so the blank that begins a name stays.
    ClickListRow(list, 0);
    ASSERT_TRUE(WaitFor([&] { return ListSelection(list) == 0; }));
    Click(dek.Control(dek::Command4));
    ASSERT_TRUE(watcher.WaitFor(SPI_SETDESKWALLPAPER, 1));
    EXPECT_EQ(AppliedWallpaper(), folder.Wall() + L"\\ lead.bmp");

    // A double-click applies at once, in the row's position.
    DoubleClickListRow(list, 2);
    ASSERT_TRUE(watcher.WaitFor(SPI_SETDESKWALLPAPER, 2));
    EXPECT_EQ(AppliedWallpaper(), folder.Wall() + L"\\tile.bmp");
    EXPECT_EQ(DesktopValue(L"TileWallpaper"), L"1");
    EXPECT_EQ(ListSelection(list), 2);
    EXPECT_EQ(CloseAndWait(dek), 0u);
}

TEST_F(WallList, TheScreenSaverListShowsScrFilesAndItsClickEnablesItsButtons) {
    ProgramFolder folder(L"savers");
    for (const wchar_t* name : {L"b.scr", L"A Long Saver Name.scr", L"readme.txt", L"UPPER.SCR", L"scr"}) {
        WriteFile(folder.Saver() + L"\\" + name, "saver");
    }
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    HWND savers = dek.Control(dek::File2);
    EXPECT_EQ(ListRows(savers), (std::vector<std::wstring>{L"A Long Saver Name.scr", L"b.scr", L"UPPER.SCR"}));
    for (int id : {dek::Command6, dek::Command7, dek::Command8}) EXPECT_FALSE(IsEnabled(dek.Control(id))) << id;

    ClickListRow(savers, 1);
    ASSERT_TRUE(WaitFor([&] { return IsEnabled(dek.Control(dek::Command8)); }));
    EXPECT_TRUE(IsEnabled(dek.Control(dek::Command6)));
    EXPECT_TRUE(IsEnabled(dek.Control(dek::Command7)));
    SettingChangeWatcher watcher;
    Click(dek.Control(dek::Command8));
    ASSERT_TRUE(watcher.WaitFor(SPI_SETSCREENSAVEACTIVE, 1));
    EXPECT_EQ(SystemIniScreenSaver(), ShortPathOf(folder.Saver() + L"\\b.scr"));

    DoubleClickListRow(savers, 0);
    ASSERT_TRUE(watcher.WaitFor(SPI_SETSCREENSAVEACTIVE, 2));
    EXPECT_EQ(SystemIniScreenSaver(), ShortPathOf(folder.Saver() + L"\\A Long Saver Name.scr"));
    EXPECT_EQ(CloseAndWait(dek), 0u);
}

}  // namespace
