// Dek and DekSet started as programs: the one-shot run, a start that cannot prepare its folders,
// one running copy of each, and DLLs planted beside them.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/registry.h"
#include "platform/temporary_name.h"
#include "shortcut_maker/control_ids.h"
#include "tests/support/dek.h"

using namespace dektest;

class Startup : public DekTest {};

static std::optional<DWORD> RunDek(const ProgramFolder& folder, std::wstring_view arguments) {
    return RunningProgram(folder.Exe(), arguments).ExitCode();
}

// Wine's native-first order for the planted DLLs in both programs: Wine then searches as Windows
// does for a DLL that is not a known one, the program's folder first. Wine reads it at each start;
// an environment variable would reach this test, not the programs it starts.
static auto PreferDllsBesideThePrograms() {
    static constexpr const wchar_t* kPrograms[] = {L"Dek.exe", L"DekSet.exe"};
    const auto key = [](const wchar_t* program) { return std::wstring(L"Software\\Wine\\AppDefaults\\") + program + L"\\DllOverrides"; };
    for (const wchar_t* program : kPrograms) {
        for (const wchar_t* dll : {L"winmm", L"uxtheme"}) platform::SetRegString(HKEY_CURRENT_USER, key(program), dll, L"native,builtin");
    }
    return platform::ScopeExit([=] { for (const wchar_t* program : kPrograms) platform::DeleteRegTree(HKEY_CURRENT_USER, key(program)); });
}

constexpr const wchar_t* kPlantedDlls[] = {L"winmm.dll", L"uxtheme.dll"};
static void PlantDlls(const ProgramFolder& folder) {
    for (const wchar_t* dll : kPlantedDlls) CopyFileW((BinFolder() + L"\\planted_dll.dll").c_str(), (folder / dll).c_str(), FALSE);
}
static std::vector<std::wstring> PlantedDllsLoaded(const ProgramFolder& folder) {
    std::vector<std::wstring> loaded;
    for (const wchar_t* dll : kPlantedDlls) if (Exists(folder / dll + L".loaded")) loaded.push_back(dll);
    return loaded;
}

static bool IsCentred(HWND window) {
    const RECT r = WindowRectOf(window);
    return r.left == (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2 &&
           r.top == (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
}

// "-e" changes both once and ends; the list's missing record is created as at any start. An
// empty collection gets nothing, and the run still ends after starting the change sound (the
// default sound, for a file that is not there).
TEST_F(Startup, TheOneShotRunChangesOnceAndABlockedStartEndsWithAFailure) {
    ProgramFolder folder(L"one shot");
    for (const wchar_t* wall : {L"\\w1.bmp", L"\\w2.bmp"}) WriteFile(folder.Wall() + wall, MakeBitmap(4, 4, [](int, int) { return 0; }));
    for (const wchar_t* saver : {L"\\s1.scr", L"\\s2.scr"}) WriteFile(folder.Saver() + saver, "saver");
    WriteFile(folder.Dat() + L"\\w2.bmp.dat", "1\r\n");
    const std::wstring leftover = L"\\" + platform::TemporaryFileName(0x1f, 2);  // of a killed run: removed at the start
    for (const std::wstring& in : {folder.Wall(), folder.Saver(), folder.Dat()}) WriteFile(in + leftover, "left", true);
    EXPECT_EQ(RunDek(folder, L"-e"), 0u);
    for (const std::wstring& in : {folder.Wall(), folder.Saver(), folder.Dat()}) EXPECT_FALSE(Exists(in + leftover)) << in;
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

// Of two hidden starts at once one stays resident; a later hidden start ends quietly, a normal one
// brings the window forward centred, and the one-shot run still changes beside it. No start, and
// no change with its sound, loads a DLL planted beside Dek.
TEST_F(Startup, OneDekStaysResidentAndNoStartLoadsADllPlantedBesideIt) {
    const auto preferred = PreferDllsBesideThePrograms();
    ProgramFolder folder(L"resident");
    PlantDlls(folder);
    WriteFile(folder.Wall() + L"\\w.bmp", MakeBitmap(4, 4, [](int, int) { return 0; }));
    SetDekSetting(L"opt1value", L"1");  // a random change at each start, with the change sound
    SetDekSetting(L"opt3value", L"1");
    RunningProgram first(folder.Exe(), L"-s"), second(folder.Exe(), L"-s");
    ASSERT_TRUE(WaitFor([&] { return first.HasEnded() != second.HasEnded(); })) << "two resident Deks";
    EXPECT_EQ((first.HasEnded() ? first : second).ExitCode(), 0u);
    const HWND window = (first.HasEnded() ? second : first).Window(dek::kMainWindowClass);
    ASSERT_TRUE(WaitFor([&] { return TrayIconPresent(window); }));
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(RunDek(folder, L"-s"), 0u);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(RunDek(folder, L""), 0u);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(window) && GetForegroundWindow() == window; }));
    EXPECT_TRUE(IsCentred(window));
    EXPECT_EQ(TopLevelWindows(dek::kMainWindowClass), std::vector{window});
    SetDesktopValue(L"Wallpaper", L"");
    EXPECT_EQ(RunDek(folder, L"-e"), 0u);
    EXPECT_EQ(DesktopValue(L"Wallpaper"), folder.Wall() + L"\\w.bmp");
    EXPECT_EQ(PlantedDllsLoaded(folder), std::vector<std::wstring>{});
}

// A later DekSet brings the open one forward, out of its minimised state, and ends.
TEST_F(Startup, OneDekSetStaysOpenAndItLoadsNoDllPlantedBesideIt) {
    const auto preferred = PreferDllsBesideThePrograms();
    ProgramFolder folder(L"dekset", L"DekSet.exe");
    PlantDlls(folder);
    RunningProgram open(folder.Exe());
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(open.Window(dekset::kWindowClass)); }));
    const HWND window = open.Window(dekset::kWindowClass);
    ShowWindow(window, SW_MINIMIZE);
    EXPECT_EQ(RunningProgram(folder.Exe()).ExitCode(), 0u);
    EXPECT_TRUE(WaitFor([&] { return !IsIconic(window) && GetForegroundWindow() == window; }));
    EXPECT_EQ(TopLevelWindows(dekset::kWindowClass), std::vector{window});
    EXPECT_EQ(PlantedDllsLoaded(folder), std::vector<std::wstring>{});
}
