// Dek's start-up in its three run modes, its collection folders and its ways of ending.
#include <gtest/gtest.h>

#include "platform/dpi.h"
#include "platform/files.h"
#include "tests/support/dek.h"
#include "tests/support/test_pictures.h"

namespace {

using namespace dektest;

class Startup : public DekTest {};

TEST_F(Startup, NormalStartShowsTheWindowAsLaidOutWithTheIconAndExitEndsIt) {
    ProgramFolder folder(L"normal start");
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(dek.main) != FALSE; }));
    EXPECT_TRUE(TrayIconPresent(dek.main));
    for (const std::wstring& made : {folder.Wall(), folder.Saver(), folder.Dat()}) EXPECT_TRUE(Exists(made));
    const int dpi = platform::SystemDpi();
    EXPECT_EQ(ClientSize(dek.main).cx, platform::TwipsToPixels(10200, dpi));
    EXPECT_EQ(ClientSize(dek.main).cy, platform::TwipsToPixels(8175, dpi));
    const std::tuple<int, const wchar_t*, bool> controls[] = {
        {dek::Command1, L"追加", true},         {dek::Command2, L"削除", false},    {dek::Command3, L"ﾌﾟﾚ ﾋﾞｭｰ", false},
        {dek::Command13, L"表示位置", true},    {dek::Command4, L"変更", false},    {dek::Command5, L"追加", true},
        {dek::Command6, L"削除", false},        {dek::Command7, L"ﾌﾟﾚ ﾋﾞｭｰ", false}, {dek::Command14, L"設定", true},
        {dek::Command8, L"変更", false},        {dek::Command9, L"詳細設定", true}, {dek::Command10, L"ﾊﾞｰｼﾞｮﾝ情報", true},
        {dek::Command11, L"ﾀｽｸﾊﾞｰへ", true},    {dek::Command12, L"終了", true},    {dek::Label1, L"壁紙", true},
        {dek::Label2, L"ｽｸﾘｰﾝｾｰﾊﾞｰ", true}};
    for (const auto& [id, caption, enabled] : controls) {
        EXPECT_EQ(WindowText(dek.Control(id)), caption) << id;
        EXPECT_EQ(IsEnabled(dek.Control(id)), enabled) << id;
    }
    RECT file1 = WindowRectOf(dek.Control(dek::File1));
    MapWindowPoints(HWND_DESKTOP, dek.main, reinterpret_cast<POINT*>(&file1), 2);
    EXPECT_GE(file1.top, ClientSize(dek.main).cy);  // out of sight
    // Moved to a monitor of 192 DPI, the window takes the place the system suggests and lays its
    // controls out again from their twips.
    const RECT suggested = {10, 20, 10 + 900, 20 + 700};
    RemoteMemory remote(dek.program.Process(), sizeof suggested);
    ASSERT_TRUE(remote.Write(&suggested, sizeof suggested));
    SendMessageW(dek.main, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(remote.address));
    RECT frame = WindowRectOf(dek.main), list = WindowRectOf(dek.Control(dek::File2));
    EXPECT_TRUE(EqualRect(&frame, &suggested));
    MapWindowPoints(HWND_DESKTOP, dek.main, reinterpret_cast<POINT*>(&list), 2);
    EXPECT_EQ(list.left, platform::TwipsToPixels(5160, 192));
    EXPECT_EQ(list.bottom - list.top, platform::TwipsToPixels(6930, 192));
    // "終了" only closes the window, as the close box does: the program ends, the icon goes.
    Click(dek.Control(dek::Command12));
    EXPECT_EQ(dek.program.WaitForExit(), 0u);
    EXPECT_FALSE(TrayIconPresent(dek.main));
}

// "-e" changes both once, without a window or an icon ever shown, and ends; the list's missing
// record is created as at any start. An empty collection gets nothing, and the run still ends
// after starting the change sound (the default sound, for a file that is not there).
TEST_F(Startup, OneShotRunChangesOnceWithoutAWindowAndEnds) {
    ProgramFolder folder(L"one shot");
    for (const wchar_t* wall : {L"\\w1.bmp", L"\\w2.bmp"}) WriteFile(folder.Wall() + wall, MakeBitmap(4, 4, [](int, int) { return 0; }));
    for (const wchar_t* saver : {L"\\s1.scr", L"\\s2.scr"}) WriteFile(folder.Saver() + saver, "saver");
    WriteFile(folder.Dat() + L"\\w2.bmp.dat", "1\r\n");
    Dek dek(folder, L"-e");
    bool shown = false;
    WaitFor([&] {
        for (HWND hwnd : dek.program.TopLevelWindows()) shown = shown || IsWindowVisible(hwnd) || TrayIconPresent(hwnd);
        return dek.program.HasExited();
    });
    EXPECT_EQ(dek.program.WaitForExit(), 0u);
    EXPECT_FALSE(shown);
    EXPECT_EQ(DesktopValue(L"Wallpaper"), folder.Wall() + L"\\w2.bmp");  // never the first of two
    EXPECT_EQ(DesktopValue(L"TileWallpaper"), L"1");
    EXPECT_EQ(SystemIniScreenSaver(), platform::ShortPathOf(folder.Saver() + L"\\s2.scr"));
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\w1.bmp.dat"), "0\r\n");

    ProgramFolder empty(L"one shot empty");
    SetDekSetting(L"opt3value", L"1");
    SetDekSetting(L"wavdir", empty / L"missing.wav");
    SetDesktopValue(L"Wallpaper", L"untouched");
    EXPECT_EQ(Dek(empty, L"-e").program.WaitForExit(), 0u);
    EXPECT_EQ(DesktopValue(L"Wallpaper"), L"untouched");
}

TEST_F(Startup, APlainFileWhereAFolderBelongsIsReportedAndEndsTheProgram) {
    for (const wchar_t* blocked : {L"dat", L"Saver"}) {
        ProgramFolder folder(L"blocked");
        WriteFile(folder / blocked, "not a folder");
        Dek dek(folder);
        ASSERT_NE(dek.program.WaitForMessageBox(), nullptr);
        HWND main = dek.program.FindWindow(dek::kMainWindowTitle, dek::kMainWindowClass);
        EXPECT_NE(AnswerMessageBox(dek.program).find(folder / blocked), std::wstring::npos) << blocked;
        EXPECT_NE(dek.program.WaitForExit().value_or(0), 0u) << blocked;
        EXPECT_EQ(ReadFile(folder / blocked), "not a folder");
        // Start-up stops there: nothing after the blocked folder is made, and no icon stays.
        EXPECT_EQ(Exists(folder.Wall()), std::wstring(blocked) != L"dat") << blocked;
        EXPECT_FALSE(TrayIconPresent(main)) << blocked;
    }
}

}  // namespace
