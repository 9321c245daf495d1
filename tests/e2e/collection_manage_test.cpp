// Managing the collection: deleting wallpapers and screen savers, the display-position button,
// the wallpaper preview in the picture window, starting a screen saver and its settings, and the
// version message.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/collection_driver.h"
#include "tests/support/dek.h"
#include "tests/support/desktop.h"
#include "tests/support/test_pictures.h"

namespace {

using namespace dektest;
namespace fs = std::filesystem;

std::wstring Row(const wchar_t* marker, const wchar_t* name) { return std::wstring(marker) + L"\u3000" + name; }

bool Settled(HWND main) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored) != 0;
}

std::string Plain(int width, int height, COLORREF colour) {
    return MakeBitmap(width, height, [=](int, int) { return colour; });
}

class CollectionManage : public testing::Test {
protected:
    void SetUp() override { ResetDekSettings(); }
    void TearDown() override { ResetDekSettings(); }
};

TEST_F(CollectionManage, DeletingAWallpaperRemovesItWithItsRecordOrWithoutOne) {
    ProgramFolder folder(L"delete wallpaper");
    WriteFile(folder.Wall() + L"\\sea.bmp", Plain(2, 2, RGB(0, 0, 255)));
    WriteFile(folder.Dat() + L"\\sea.bmp.dat", "1\r\n");
    WriteFile(folder.Wall() + L"\\sky.bmp", Plain(2, 2, RGB(0, 255, 255)));
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    HWND list = dek.Control(dek::List1);
    ASSERT_EQ(ListRows(list), (std::vector{Row(L"並", L"sea.bmp"), Row(L"全", L"sky.bmp")}));

    ClickListRow(list, 0);
    ASSERT_TRUE(WaitFor([&] { return ListSelection(list) == 0 && IsEnabled(dek.Control(dek::Command2)); }));
    Click(dek.Control(dek::Command2));
    EXPECT_TRUE(WaitFor([&] { return ListRows(list) == std::vector{Row(L"全", L"sky.bmp")}; }));
    EXPECT_FALSE(Exists(folder.Wall() + L"\\sea.bmp"));
    EXPECT_FALSE(Exists(folder.Dat() + L"\\sea.bmp.dat"));
    EXPECT_FALSE(IsEnabled(dek.Control(dek::Command2)));
    // The rebuild selected the last listed wallpaper for the other buttons.
    EXPECT_TRUE(IsEnabled(dek.Control(dek::Command3)));

    // Without a record only the picture goes; deleting the last one leaves an empty list.
    fs::remove(folder.Dat() + L"\\sky.bmp.dat");
    ClickListRow(list, 0);
    ASSERT_TRUE(WaitFor([&] { return IsEnabled(dek.Control(dek::Command2)); }));
    Click(dek.Control(dek::Command2));
    EXPECT_TRUE(WaitFor([&] { return ListRows(list).empty(); }));
    EXPECT_FALSE(Exists(folder.Wall() + L"\\sky.bmp"));
    EXPECT_FALSE(IsEnabled(dek.Control(dek::Command2)));
    EXPECT_TRUE(fs::is_empty(folder.Dat()));
}

// A file that cannot be deleted is skipped, its record kept with it, and the list still rebuilt.
TEST_F(CollectionManage, AWallpaperThatCannotBeDeletedStaysWithItsRecordAndTheListIsStillRefreshed) {
    ProgramFolder folder(L"delete refused");
    const std::wstring sea = folder.Wall() + L"\\sea.bmp";
    WriteFile(sea, Plain(2, 2, RGB(0, 0, 255)));
    WriteFile(folder.Dat() + L"\\sea.bmp.dat", "2\r\n");
    ASSERT_TRUE(SetFileAttributesW(sea.c_str(), FILE_ATTRIBUTE_READONLY));
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    HWND list = dek.Control(dek::List1);
    ASSERT_EQ(ListRows(list), std::vector{Row(L"拡", L"sea.bmp")});

    WriteFile(folder.Wall() + L"\\later.bmp", Plain(2, 2, RGB(1, 2, 3)));
    ClickListRow(list, 0);
    ASSERT_TRUE(WaitFor([&] { return IsEnabled(dek.Control(dek::Command2)); }));
    Click(dek.Control(dek::Command2));
    EXPECT_TRUE(WaitFor([&] {
        return ListRows(list) == std::vector{Row(L"全", L"later.bmp"), Row(L"拡", L"sea.bmp")};
    }));
    EXPECT_TRUE(Exists(sea));
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\sea.bmp.dat"), "2\r\n");
    EXPECT_FALSE(IsEnabled(dek.Control(dek::Command2)));
    SetFileAttributesW(sea.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(CollectionManage, DeletingAScreenSaverRefreshesItsListAndDisablesOnlyDelete) {
    ProgramFolder folder(L"delete saver");
    WriteFile(folder.Saver() + L"\\aurora.scr", "aurora");
    WriteFile(folder.Saver() + L"\\night.scr", "night");
    const std::wstring stuck = folder.Saver() + L"\\stuck.scr";
    WriteFile(stuck, "stuck");
    ASSERT_TRUE(SetFileAttributesW(stuck.c_str(), FILE_ATTRIBUTE_READONLY));
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    HWND file2 = dek.Control(dek::File2);
    ASSERT_EQ(ListRows(file2), (std::vector<std::wstring>{L"aurora.scr", L"night.scr", L"stuck.scr"}));

    ClickListRow(file2, 1);
    ASSERT_TRUE(WaitFor([&] { return IsEnabled(dek.Control(dek::Command6)); }));
    Click(dek.Control(dek::Command6));
    EXPECT_TRUE(WaitFor([&] { return ListRows(file2) == std::vector<std::wstring>{L"aurora.scr", L"stuck.scr"}; }));
    EXPECT_FALSE(Exists(folder.Saver() + L"\\night.scr"));
    EXPECT_FALSE(IsEnabled(dek.Control(dek::Command6)));
    EXPECT_TRUE(IsEnabled(dek.Control(dek::Command7)));
    EXPECT_TRUE(IsEnabled(dek.Control(dek::Command8)));

    // One that cannot be deleted stays; the list is read again all the same.
    WriteFile(folder.Saver() + L"\\later.scr", "later");
    ClickListRow(file2, 1);
    ASSERT_TRUE(WaitFor([&] { return IsEnabled(dek.Control(dek::Command6)); }));
    Click(dek.Control(dek::Command6));
    EXPECT_TRUE(WaitFor([&] {
        return ListRows(file2) == std::vector<std::wstring>{L"aurora.scr", L"later.scr", L"stuck.scr"};
    }));
    EXPECT_TRUE(Exists(stuck));
    EXPECT_FALSE(IsEnabled(dek.Control(dek::Command6)));
    SetFileAttributesW(stuck.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(CollectionManage, DisplayPositionButtonOpensWithTheRowsPositionAndStoresTheChoice) {
    ProgramFolder folder(L"position button");
    WriteFile(folder.Wall() + L"\\sea.bmp", Plain(2, 2, RGB(0, 0, 255)));
    WriteFile(folder.Dat() + L"\\sea.bmp.dat", "2\r\n");
    WriteFile(folder.Wall() + L"\\sky.bmp", Plain(2, 2, RGB(0, 255, 255)));
    WriteFile(folder.Dat() + L"\\sky.bmp.dat", "0\r\n");
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    HWND list = dek.Control(dek::List1);

    // A row marked 拡 opens the dialog with 拡大 selected; OK at once writes 2 again.
    ClickListRow(list, 0);
    ASSERT_TRUE(WaitFor([&] { return ListSelection(list) == 0; }));
    Click(dek.Control(dek::Command13));
    HWND form4 = WaitForPositionDialog(dek.program);
    ASSERT_NE(form4, nullptr);
    EXPECT_EQ(SelectedPosition(form4), 2);
    EXPECT_FALSE(IsEnabled(dek.main));
    fs::remove(folder.Dat() + L"\\sea.bmp.dat");
    Click(GetDlgItem(form4, dek::Form4Command1));
    EXPECT_TRUE(WaitFor([&] { return Exists(folder.Dat() + L"\\sea.bmp.dat"); }));
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\sea.bmp.dat"), "2\r\n");
    EXPECT_TRUE(WaitFor([&] { return IsEnabled(dek.main) && !PositionDialogOpen(dek.program); }));

    // 並べて表示 for a row marked 全, closed by the close box: the record and the marker follow.
    ClickListRow(list, 1);
    ASSERT_TRUE(WaitFor([&] { return ListSelection(list) == 1; }));
    Click(dek.Control(dek::Command13));
    form4 = WaitForPositionDialog(dek.program);
    ASSERT_NE(form4, nullptr);
    EXPECT_EQ(SelectedPosition(form4), 0);
    Click(GetDlgItem(form4, dek::Form4Option1 + 1));
    EXPECT_TRUE(WaitFor([&] { return SelectedPosition(form4) == 1; }));
    PostMessageW(form4, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return ListRows(list) == std::vector{Row(L"拡", L"sea.bmp"), Row(L"並", L"sky.bmp")}; }));
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\sky.bmp.dat"), "1\r\n");
}

TEST_F(CollectionManage, DisplayPositionButtonDoesNothingBeforeAnyWallpaperWasSelected) {
    ProgramFolder folder(L"position empty");
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    ASSERT_TRUE(IsEnabled(dek.Control(dek::Command13)));
    Click(dek.Control(dek::Command13));
    ASSERT_TRUE(Settled(dek.main));
    EXPECT_FALSE(PositionDialogOpen(dek.program));
    EXPECT_TRUE(fs::is_empty(folder.Dat()));
    EXPECT_TRUE(IsEnabled(dek.main));
}

TEST_F(CollectionManage, WallpaperPreviewShowsOnePictureWindowOfThePicturesSizeThatAClickCloses) {
    ProgramFolder folder(L"preview");
    WriteFile(folder.Wall() + L"\\a small.bmp", Plain(200, 150, RGB(200, 0, 0)));
    WriteFile(folder.Wall() + L"\\b large.bmp", Plain(300, 220, RGB(0, 200, 0)));
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    HWND list = dek.Control(dek::List1);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    auto preview = [&](int row) {
        ClickListRow(list, row);
        EXPECT_TRUE(WaitFor([&] { return ListSelection(list) == row; }));
        Click(dek.Control(dek::Command3));
    };

    preview(0);
    HWND form2 = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (form2 = FindPictureWindow(dek.program)) && IsWindowVisible(form2); }));
    EXPECT_NE(GetWindowLongPtrW(form2, GWL_STYLE) & WS_CAPTION, static_cast<LONG_PTR>(WS_CAPTION));  // no title bar
    RECT r = WindowRectOf(form2);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(r.bottom - r.top, 150);
    EXPECT_LE(std::abs(r.left - (screenWidth - 200) / 2), 1);
    EXPECT_LE(std::abs(r.top - (screenHeight - 150) / 2), 1);
    EXPECT_TRUE(IsEnabled(dek.main));  // not modal

    // A second preview reuses the window at its place, with the second picture's size.
    MoveWindow(form2, 10, 20, r.right - r.left, r.bottom - r.top, TRUE);
    preview(1);
    EXPECT_TRUE(WaitFor([&] {
        const RECT s = WindowRectOf(form2);
        return s.right - s.left == 300 && s.bottom - s.top == 220;
    }));
    r = WindowRectOf(form2);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    int pictureWindows = 0;
    for (HWND window : dek.program.TopLevelWindows()) pictureWindows += ClassNameOf(window) == dek::kPictureWindowClass;
    EXPECT_EQ(pictureWindows, 1);

    // A click on the picture closes the window; the next preview makes a new one, centred again.
    HWND picture1 = GetDlgItem(form2, dek::Picture1);
    PostMessageW(picture1, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(picture1, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(form2); }));
    EXPECT_EQ(FindPictureWindow(dek.program), nullptr);
    preview(0);
    ASSERT_TRUE(WaitFor([&] { return (form2 = FindPictureWindow(dek.program)) && IsWindowVisible(form2); }));
    r = WindowRectOf(form2);
    EXPECT_LE(std::abs(r.left - (screenWidth - 200) / 2), 1);
}

// A shown picture stays when the main window closes, and the program ends with it.
TEST_F(CollectionManage, AShownPictureOutlivesTheMainWindowAndEndsTheProgramWhenClicked) {
    ProgramFolder folder(L"preview last");
    WriteFile(folder.Wall() + L"\\sea.bmp", Plain(120, 90, RGB(0, 0, 200)));
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    ASSERT_TRUE(WaitFor([&] { return IsEnabled(dek.Control(dek::Command3)); }));
    Click(dek.Control(dek::Command3));
    HWND form2 = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (form2 = FindPictureWindow(dek.program)) && IsWindowVisible(form2); }));

    PostMessageW(dek.main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dek.main); }));
    EXPECT_FALSE(TrayIconPresent(dek.main));
    ASSERT_TRUE(Settled(form2));
    EXPECT_TRUE(IsWindowVisible(form2));
    EXPECT_FALSE(dek.program.HasExited());

    PostMessageW(GetDlgItem(form2, dek::Picture1), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(dek.program.WaitForExit(), 0u);
}

// The screen saver is started by its whole quoted path: a program at a shorter path (here
// "...\Saver\my.exe" for "...\Saver\my saver.scr") is never started instead.
TEST_F(CollectionManage, ScreenSaverRunAndSettingsStartTheQuotedPathWithTheirSwitch) {
    ProgramFolder folder(L"saver start");
    const std::wstring saver = folder.Saver() + L"\\my saver.scr";
    const std::wstring stray = folder.Saver() + L"\\my.exe";
    fs::create_directories(folder.Saver());
    fs::copy_file(BinFolder() + L"\\command_line_recorder.exe", saver);
    fs::copy_file(BinFolder() + L"\\command_line_recorder.exe", stray);
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    HWND file2 = dek.Control(dek::File2);
    ASSERT_EQ(ListRows(file2), std::vector<std::wstring>{L"my saver.scr"});

    ClickListRow(file2, 0);
    ASSERT_TRUE(WaitFor([&] { return IsEnabled(dek.Control(dek::Command7)); }));
    Click(dek.Control(dek::Command7));
    EXPECT_TRUE(WaitFor([&] { return !RecordedCommandLine(saver).empty(); }));
    EXPECT_EQ(RecordedCommandLine(saver), L"\"" + saver + L"\" /s");

    fs::remove(saver + L".cmdline");
    Click(dek.Control(dek::Command14));
    EXPECT_TRUE(WaitFor([&] { return !RecordedCommandLine(saver).empty(); }));
    EXPECT_EQ(RecordedCommandLine(saver), L"\"" + saver + L"\" /c");
    EXPECT_FALSE(Exists(stray + L".cmdline"));
    EXPECT_FALSE(dek.program.HasExited());  // nothing waits for the started program
}

TEST_F(CollectionManage, VersionButtonShowsTheVersionMessageWithOkOnly) {
    ProgramFolder folder(L"version");
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    Click(dek.Control(dek::Command10));
    HWND box = dek.program.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), L"ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(MessageBoxText(box), L"Dekorin Ver.1.44");
    int buttons = 0;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        buttons += CompareStringOrdinal(ClassNameOf(child).c_str(), -1, L"Button", -1, TRUE) == CSTR_EQUAL;
    }
    EXPECT_EQ(buttons, 1);
    Click(FindControlByText(box, L"OK"));
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }));

    // The program file carries the file version 1.4.0.4, as text "1.04.0004".
    const std::wstring exe = folder.Exe();
    std::string data(GetFileVersionInfoSizeW(exe.c_str(), nullptr), '\0');
    ASSERT_FALSE(data.empty());
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(data.size()), data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(4, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(4, 0));
    wchar_t* text = nullptr;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\StringFileInfo\\041104b0\\FileVersion", reinterpret_cast<void**>(&text), &length));
    EXPECT_EQ(std::wstring(text), L"1.04.0004");
}

}  // namespace
