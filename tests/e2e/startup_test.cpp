// Dek started as a program: its one-shot run, and a start that cannot prepare its folders.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/handles.h"
#include "tests/support/dek.h"

using namespace dektest;

class DekProcess : public testing::Test {
protected:
    ChangerStateGuard guard;
};

// Runs the folder's Dek.exe to its end, answering its message box with OK: its exit code, none if
// it outlives the deadline (it is then ended).
static std::optional<DWORD> RunDek(const ProgramFolder& folder, std::wstring arguments) {
    std::wstring commandLine = L"\"" + folder.Exe() + L"\" " + arguments;
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(folder.Exe().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.Path().c_str(), &startup, &info)) {
        return {};
    }
    const platform::UniqueKernelHandle process(info.hProcess), thread(info.hThread);
    const bool ended = WaitFor([&] {
        if (HWND box = FindWindowW(L"#32770", L"Dekorin")) PostMessageW(box, WM_COMMAND, IDOK, 0);
        return WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0;
    });
    DWORD code = 0;
    if (ended && GetExitCodeProcess(process.get(), &code)) return code;
    TerminateProcess(process.get(), 99);
    return {};
}

// "-e" changes both once and ends; the list's missing record is created as at any start. An
// empty collection gets nothing, and the run still ends after starting the change sound (the
// default sound, for a file that is not there).
TEST_F(DekProcess, TheOneShotRunChangesBothOnceAndEnds) {
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
}

// After its box, with a failure.
TEST_F(DekProcess, APlainFileWhereAFolderBelongsEndsTheStartWithAFailureCode) {
    ProgramFolder blocked(L"blocked");
    WriteFile(blocked.Dat(), "not a folder");
    EXPECT_EQ(RunDek(blocked, L""), 2u);
}
