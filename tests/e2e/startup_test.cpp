// Dek and DekSet started as programs: the one-shot run, a start that cannot prepare its folders,
// one running copy of each, and DLLs planted beside them.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "shortcut_maker/control_ids.h"
#include "tests/support/dek.h"

using namespace dektest;

struct DekProcess : testing::Test {
    ChangerStateGuard guard;
};

// "-e" changes both once and ends; the list's missing record is created and the temporaries of a
// killed run are removed, as at any start. An empty collection gets nothing, and the run still
// ends after starting the change sound (the default sound, for a file that is not there); one
// that cannot be applied ends with a failure code.
TEST_F(DekProcess, TheOneShotRunChangesBothOnceAndEnds) {
    ProgramFolder folder(L"one shot");
    for (const wchar_t* wall : {L"\\w1.bmp", L"\\w2.bmp"}) WriteFile(folder.Wall() + wall, MakeBitmap(4, 4, [](int, int) { return 0; }));
    for (const wchar_t* saver : {L"\\s1.scr", L"\\s2.scr"}) WriteFile(folder.Saver() + saver, "saver");
    WriteFile(folder.Dat() + L"\\w2.bmp.dat", "1\r\n");
    for (const std::wstring& in : {folder.Wall(), folder.Saver(), folder.Dat()}) WriteFile(in + L"\\~dek1f-2.tmp", "killed run", true);
    EXPECT_EQ(RunningProgram(folder.Exe(), L"-e").ExitCode(), 0u);
    for (const std::wstring& in : {folder.Wall(), folder.Saver(), folder.Dat()}) EXPECT_FALSE(Exists(in + L"\\~dek1f-2.tmp")) << in;
    EXPECT_EQ(DesktopValue(L"Wallpaper"), folder.Wall() + L"\\w2.bmp");  // never the first of two
    EXPECT_EQ(DesktopValue(L"TileWallpaper"), L"1");
    EXPECT_EQ(SystemIniScreenSaver(), platform::ShortPathOf(folder.Saver() + L"\\s2.scr"));
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\w1.bmp.dat"), "0\r\n");

    ProgramFolder empty(L"one shot empty");
    SetDekSetting(L"opt3value", L"1");
    SetDekSetting(L"wavdir", empty / L"missing.wav");
    SetDesktopValue(L"Wallpaper", L"untouched");
    EXPECT_EQ(RunningProgram(empty.Exe(), L"-e").ExitCode(), 0u);
    EXPECT_EQ(DesktopValue(L"Wallpaper"), L"untouched");
    WriteFile(empty.Wall() + L"\\broken.bmp", "no picture");
    EXPECT_EQ(RunningProgram(empty.Exe(), L"-e").ExitCode(), 3u);
    EXPECT_EQ(DesktopValue(L"Wallpaper"), L"untouched");
}

// After its box, with a failure.
TEST_F(DekProcess, APlainFileWhereAFolderBelongsEndsTheStartWithAFailureCode) {
    ProgramFolder blocked(L"blocked");
    WriteFile(blocked.Dat(), "not a folder");
    EXPECT_EQ(RunningProgram(blocked.Exe(), L"").ExitCode(), 2u);
}

// Of two hidden starts at once one stays; a later hidden start ends quietly, a normal one brings
// the window forward, and the one-shot run still changes beside it; likewise for DekSet. Neither
// loads a DLL planted beside it, not even for the sound.
TEST_F(DekProcess, OneDekAndOneDekSetRunAtATimeAndNeitherTakesAPlantedDll) {
    ProgramFolder folder(L"resident");  // its DLLs found before the system's, as on Windows (scripts/wine-env.sh)
    for (auto [from, to] : {std::pair(L"DekSet.exe", L"DekSet.exe"), {L"planted_dll.dll", L"winmm.dll"}, {L"planted_dll.dll", L"uxtheme.dll"}}) {
        CopyFileW((platform::ProgramFolder() + L"\\" + from).c_str(), (folder / to).c_str(), FALSE);
    }
    WriteFile(folder.Wall() + L"\\w.bmp", MakeBitmap(4, 4, [](int, int) { return 0; }));
    SetDekSetting(L"opt1value", L"1"), SetDekSetting(L"opt3value", L"1");  // a random change at each start, with its sound
    RunningProgram first(folder.Exe(), L"-s"), second(folder.Exe(), L"-s");
    ASSERT_TRUE(WaitFor([&] { return first.HasEnded() != second.HasEnded(); })) << "two resident Deks";
    const HWND window = FindWindowW(dek::kMainWindowClass, nullptr);
    ASSERT_TRUE(WaitFor([&] { return TrayIconPresent(window); }));
    EXPECT_EQ(RunningProgram(folder.Exe(), L"-s").ExitCode(), 0u);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(RunningProgram(folder.Exe()).ExitCode(), 0u);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(window) && GetForegroundWindow() == window; }));
    EXPECT_EQ(WindowCount(dek::kMainWindowClass), 1);
    SetDesktopValue(L"Wallpaper", L"");
    EXPECT_EQ(RunningProgram(folder.Exe(), L"-e").ExitCode(), 0u);
    EXPECT_EQ(DesktopValue(L"Wallpaper"), folder.Wall() + L"\\w.bmp");
    RunningProgram open(folder / L"DekSet.exe");
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(FindWindowW(dekset::kWindowClass, nullptr)); }));
    ShowWindow(FindWindowW(dekset::kWindowClass, nullptr), SW_MINIMIZE);
    EXPECT_EQ(RunningProgram(folder / L"DekSet.exe").ExitCode(), 0u);
    EXPECT_TRUE(WaitFor([&] { return !IsIconic(FindWindowW(dekset::kWindowClass, nullptr)); }));
    EXPECT_EQ(WindowCount(dekset::kWindowClass), 1);
    for (auto dll : {L"winmm", L"uxtheme"}) EXPECT_FALSE(Exists(folder / dll + L".dll.loaded")) << dll << " was loaded";
}
