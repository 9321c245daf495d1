// The programs take the system's DLLs from the system folder only: a DLL of a system's name
// planted beside them is never loaded.
#include <gtest/gtest.h>

#include "platform/registry.h"
#include "shortcut_maker/control_ids.h"
#include "tests/support/dek.h"
#include "tests/support/running_program.h"

using namespace dektest;

// Wine's native-first order for the planted DLLs, for the two programs only: Wine then searches
// as Windows does for a DLL that is not a known one, the program's folder first. Wine reads it
// from the registry at each start (an environment variable would reach only the test itself).
class PlantedDll : public DekTest {
protected:
    static constexpr const wchar_t* kPrograms[] = {L"Dek.exe", L"DekSet.exe"};
    static std::wstring OverridesKey(std::wstring_view program) {
        return L"Software\\Wine\\AppDefaults\\" + std::wstring(program) + L"\\DllOverrides";
    }
    void SetUp() override {
        DekTest::SetUp();
        for (const wchar_t* program : kPrograms) {
            for (const wchar_t* dll : {L"winmm", L"uxtheme"}) {
                platform::SetRegString(HKEY_CURRENT_USER, OverridesKey(program), dll, L"native,builtin");
            }
        }
    }
    void TearDown() override {
        for (const wchar_t* program : kPrograms) platform::DeleteRegTree(HKEY_CURRENT_USER, OverridesKey(program));
        DekTest::TearDown();
    }
};

TEST_F(PlantedDll, IsNeverLoadedAtAStartAChangeWithItsSoundOrAOneShotRun) {
    SetDekSetting(L"opt1value", L"1");  // a random change at start-up, with the change sound
    SetDekSetting(L"opt3value", L"1");
    const struct {
        const wchar_t* program;
        const wchar_t* arguments;
        const wchar_t* windowClass;  // shown once the start is over; none: the run ends by itself
    } runs[] = {{L"Dek.exe", L"", dek::kMainWindowClass}, {L"Dek.exe", L"-e", nullptr},
                {L"DekSet.exe", L"", dekset::kWindowClass}};
    for (const auto& [program, arguments, windowClass] : runs) {
        ProgramFolder folder(L"planted dll", program);
        WriteFile(folder.Wall() + L"\\w.bmp", MakeBitmap(4, 4, [](int, int) { return 0; }));
        for (const wchar_t* dll : {L"winmm.dll", L"uxtheme.dll"}) {
            ASSERT_TRUE(CopyFileW((BinFolder() + L"\\planted_dll.dll").c_str(), (folder / dll).c_str(), FALSE));
        }
        SetDesktopValue(L"Wallpaper", L"");
        {
            RunningProgram run(folder.Exe(), arguments);
            if (windowClass) {
                EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(run.Window(windowClass)); })) << program;
            } else {
                EXPECT_EQ(run.ExitCode(), 0u) << program << " " << arguments;
            }
        }
        if (program == std::wstring_view(L"Dek.exe")) {
            EXPECT_EQ(DesktopValue(L"Wallpaper"), folder.Wall() + L"\\w.bmp") << arguments;
        }
        for (const wchar_t* dll : {L"winmm.dll", L"uxtheme.dll"}) {
            EXPECT_FALSE(Exists(folder / dll + L".loaded")) << program << " " << arguments << " loaded the planted " << dll;
        }
    }
}
