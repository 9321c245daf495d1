// Dek started as a program: its one-shot run, and a start that cannot prepare its folders.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "tests/support/dek.h"
#include "tests/support/running_program.h"

using namespace dektest;

class Startup : public DekTest {};

// Runs the folder's Dek.exe to its end, answering its message box with OK: its exit code, none if
// it outlives the deadline.
static std::optional<DWORD> RunDek(const ProgramFolder& folder, std::wstring_view arguments) {
    return RunningProgram(folder.Exe(), arguments).ExitCode();
}

// "-e" changes both once and ends; the list's missing record is created as at any start. An
// empty collection gets nothing, and the run still ends after starting the change sound (the
// default sound, for a file that is not there).
TEST_F(Startup, TheOneShotRunChangesOnceAndABlockedStartEndsWithAFailure) {
    ProgramFolder folder(L"one shot");
    for (const wchar_t* wall : {L"\\w1.bmp", L"\\w2.bmp"}) WriteFile(folder.Wall() + wall, MakeBitmap(4, 4, [](int, int) { return 0; }));
    for (const wchar_t* saver : {L"\\s1.scr", L"\\s2.scr"}) WriteFile(folder.Saver() + saver, "saver");
    WriteFile(folder.Dat() + L"\\w2.bmp.dat", "1\r\n");
    EXPECT_EQ(RunDek(folder, L"-e"), 0u);
    EXPECT_EQ(DesktopValue(L"Wallpaper"), folder.Wall() + L"\\w2.bmp");  // never the first of two
    EXPECT_EQ(DesktopValue(L"TileWallpaper"), L"1");
    EXPECT_EQ(SystemIniScreenSaver(), platform::ShortPathOf(folder.Saver() + L"\\s2.scr"));
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\w1.bmp.dat"), "0\r\n");

    ProgramFolder empty(L"one shot empty");
    SetDekSetting(L"opt3value", L"1");
    SetDekSetting(L"wavdir", empty / L"missing.wav");
    SetDesktopValue(L"Wallpaper", L"untouched");
    EXPECT_EQ(RunDek(empty, L"-e"), 0u);
    EXPECT_EQ(DesktopValue(L"Wallpaper"), L"untouched");
    // A plain file where a folder belongs ends the start, after its box, with a failure.
    ProgramFolder blocked(L"blocked");
    WriteFile(blocked.Dat(), "not a folder");
    EXPECT_EQ(RunDek(blocked, L""), 2u);
}
