// The two lists of the collection, the selection the buttons act on, and applying a wallpaper in
// its display position and a screen saver by its short path, as the system sees them: the
// registry, system.ini, and what had been written when each change was announced.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "tests/support/dek.h"
#include "tests/support/test_pictures.h"

namespace {

using namespace dektest;
using Rows = std::vector<std::wstring>;

class Lists : public DekTest {
protected:
    void SetUp() override {
        DekTest::SetUp();
        SetDekSetting(L"opt2value", L"0");  // no timed change while the test works the lists
    }
};

TEST_F(Lists, RowsFollowTheFolderAndTheRecordsAndEachWallpaperIsAppliedInItsPosition) {
    ProgramFolder folder(L"rows");
    const std::pair<const wchar_t*, const char*> walls[] = {{L" lead.bmp", nullptr}, {L"comma.bmp", "1,5\r\n"},
                                                            {L"notes.txt", nullptr}, {L"odd.bmp", "7\r\n"},
                                                            {L"sea.bmp", "1\r\n"},   {L"Wide.bmp", "2\r\n"},
                                                            {L"hidden.bmp", nullptr}};
    for (const auto& [name, record] : walls) {
        WriteFile(folder.Wall() + L"\\" + name, MakeBitmap(8, 8, [](int, int) { return RGB(40, 80, 120); }));
        if (record) WriteFile(folder.Dat() + L"\\" + name + L".dat", record);
    }
    SetFileAttributesW((folder.Wall() + L"\\hidden.bmp").c_str(), FILE_ATTRIBUTE_HIDDEN);
    CreateDirectoryW((folder.Wall() + L"\\sub").c_str(), nullptr);
    SetDesktopValue(L"TileWallpaper", L"before");
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    HWND list = dek.Control(dek::List1);
    EXPECT_EQ(ListRows(list), (Rows{L"全\u3000 lead.bmp", L"並\u3000comma.bmp", L"全\u3000notes.txt", L"拡\u3000odd.bmp",
                                    L"並\u3000sea.bmp", L"拡\u3000Wide.bmp"}));
    // Missing records are created with 0 for listed files only; existing ones stay as they are.
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\notes.txt.dat"), "0\r\n");
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\odd.bmp.dat"), "7\r\n");
    EXPECT_EQ(FolderNames(folder.Dat()).size(), 6u);
    // The list shows the wallpaper the buttons act on: the last one after the start.
    EXPECT_EQ(ListSelection(list), 5);
    for (int id : {dek::Command2, dek::Command3, dek::Command4}) EXPECT_TRUE(IsEnabled(dek.Control(id))) << id;

    // A record removed after the list was built: the wallpaper is applied centred. Each pair
    // differs from the one before, so a pair written after the announcement would show.
    DeleteFileW((folder.Dat() + L"\\sea.bmp.dat").c_str());
    SettingChangeWatcher watcher;
    const std::tuple<int, const wchar_t*, const wchar_t*> steps[] = {
        {-1, L"0", L"2"}, {1, L"1", L"0"}, {0, L"0", L"0"}, {3, L"0", L"2"}, {4, L"0", L"0"}};
    size_t applied = 0;
    for (const auto& [row, tile, style] : steps) {
        if (row >= 0) ClickListRow(list, row);
        ASSERT_TRUE(WaitFor([&, row = row] { return row < 0 || ListSelection(list) == row; })) << row;
        Click(dek.Control(dek::Command4));
        ASSERT_TRUE(watcher.WaitFor(SPI_SETDESKWALLPAPER, ++applied)) << row;
        const SettingChange announced = watcher.Of(SPI_SETDESKWALLPAPER).back();
        // Only the marker and the ideographic space are cut from a row, never a blank of the name.
        EXPECT_EQ(announced.wallpaper, folder.Wall() + L"\\" + ListRows(list)[ListSelection(list)].substr(2)) << row;
        EXPECT_EQ(announced.tileWallpaper, std::wstring(tile)) << row;
        EXPECT_EQ(announced.wallpaperStyle, std::wstring(style)) << row;
    }
    EXPECT_FALSE(Exists(folder.Dat() + L"\\sea.bmp.dat"));  // applying writes no record
    DoubleClickListRow(list, 1);  // applies at once
    ASSERT_TRUE(watcher.WaitFor(SPI_SETDESKWALLPAPER, ++applied));
    EXPECT_EQ(watcher.Wallpapers().back(), folder.Wall() + L"\\comma.bmp");
    EXPECT_EQ(dek.CloseAndWait(), 0u);
}

TEST_F(Lists, TheScreenSaverListShowsScrFilesAndItsButtonsApplyByTheShortPath) {
    ProgramFolder folder(L"savers");
    for (const wchar_t* name : {L"b.scr", L"A Long Saver Name.scr", L"readme.txt", L"UPPER.SCR", L"scr"}) {
        WriteFile(folder.Saver() + L"\\" + name, "saver");
    }
    SetDesktopValue(L"ScreenSaveActive", L"0");
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    HWND savers = dek.Control(dek::File2);
    EXPECT_EQ(ListRows(savers), (Rows{L"A Long Saver Name.scr", L"b.scr", L"UPPER.SCR"}));
    for (int id : {dek::Command6, dek::Command7, dek::Command8}) EXPECT_FALSE(IsEnabled(dek.Control(id))) << id;
    SettingChangeWatcher watcher;
    ASSERT_TRUE(ClickRowThen(savers, 0, dek.Control(dek::Command8)));
    EXPECT_TRUE(IsEnabled(dek.Control(dek::Command6)) && IsEnabled(dek.Control(dek::Command7)));
    ASSERT_TRUE(watcher.WaitFor(SPI_SETSCREENSAVEACTIVE, 1));
    const std::wstring shortPath = platform::ShortPathOf(folder.Saver() + L"\\A Long Saver Name.scr");
    EXPECT_NE(shortPath.find(L'~'), std::wstring::npos) << shortPath;
    const SettingChange announced = watcher.Of(SPI_SETSCREENSAVEACTIVE).back();
    EXPECT_EQ(announced.screenSaver, shortPath);  // written before the switch is announced
    EXPECT_EQ(announced.screenSaveActive, L"1");
    EXPECT_EQ(DesktopValue(L"SCRNSAVE.EXE"), shortPath);

    DoubleClickListRow(savers, 1);
    ASSERT_TRUE(watcher.WaitFor(SPI_SETSCREENSAVEACTIVE, 2));
    EXPECT_EQ(SystemIniScreenSaver(), platform::ShortPathOf(folder.Saver() + L"\\b.scr"));
    // A saver gone behind the program's back leaves no screen saver named, and still switches on.
    DeleteFileW((folder.Saver() + L"\\b.scr").c_str());
    SetDesktopValue(L"ScreenSaveActive", L"0");
    Click(dek.Control(dek::Command8));
    ASSERT_TRUE(watcher.WaitFor(SPI_SETSCREENSAVEACTIVE, 3));
    EXPECT_EQ(SystemIniScreenSaver(), std::wstring());
    EXPECT_EQ(DesktopValue(L"SCRNSAVE.EXE"), std::wstring());
    EXPECT_EQ(DesktopValue(L"ScreenSaveActive"), L"1");
    EXPECT_EQ(dek.CloseAndWait(), 0u);
}

}  // namespace
