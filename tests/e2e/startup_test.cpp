// Dek started as a program for its one-shot run.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "tests/support/dek.h"
#include "tests/support/test_pictures.h"

namespace {

using namespace dektest;

class Startup : public DekTest {};

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

}  // namespace
