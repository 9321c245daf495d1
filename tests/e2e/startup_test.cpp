// Dek's start-up in its three run modes, its collection folders and its ways of ending.
#include <gtest/gtest.h>

#include "platform/dpi.h"
#include "tests/support/dek.h"

namespace {

using namespace dektest;

class Startup : public testing::Test {
protected:
    void SetUp() override { ResetDekSettings(); }
    void TearDown() override { ResetDekSettings(); }
};

TEST_F(Startup, NormalStartShowsTheMainWindowWithItsControlsAndTheIcon) {
    ProgramFolder folder(L"normal start");
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    HWND main = dek.main;
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
    EXPECT_TRUE(TrayIconPresent(main));

    // Client area 10200 x 8175 twips at the screen's real resolution.
    const int dpi = platform::SystemDpi();
    const SIZE client = ClientSize(main);
    EXPECT_EQ(client.cx, platform::TwipsToPixels(10200, dpi));
    EXPECT_EQ(client.cy, platform::TwipsToPixels(8175, dpi));

    struct Expected {
        int id;
        const wchar_t* caption;
        bool enabled;
    };
    const Expected buttons[] = {
        {dek::Command1, L"追加", true},         {dek::Command2, L"削除", false},
        {dek::Command3, L"ﾌﾟﾚ ﾋﾞｭｰ", false},    {dek::Command13, L"表示位置", true},
        {dek::Command4, L"変更", false},        {dek::Command5, L"追加", true},
        {dek::Command6, L"削除", false},        {dek::Command7, L"ﾌﾟﾚ ﾋﾞｭｰ", false},
        {dek::Command14, L"設定", true},        {dek::Command8, L"変更", false},
        {dek::Command9, L"詳細設定", true},     {dek::Command10, L"ﾊﾞｰｼﾞｮﾝ情報", true},
        {dek::Command11, L"ﾀｽｸﾊﾞｰへ", true},    {dek::Command12, L"終了", true},
    };
    for (const Expected& b : buttons) {
        HWND button = dek.Control(b.id);
        ASSERT_NE(button, nullptr) << b.id;
        EXPECT_EQ(WindowText(button), b.caption) << b.id;
        EXPECT_EQ(IsEnabled(button), b.enabled) << b.id;
    }
    EXPECT_EQ(WindowText(dek.Control(dek::Label1)), L"壁紙");
    EXPECT_EQ(WindowText(dek.Control(dek::Label2)), L"ｽｸﾘｰﾝｾｰﾊﾞｰ");

    // The add buttons sit at 120/360 and 5280/360 twips; File1 and Image1 lie below the client area.
    auto topLeft = [&](int id) {
        RECT r = WindowRectOf(dek.Control(id));
        POINT p = {r.left, r.top};
        ScreenToClient(main, &p);
        return p;
    };
    EXPECT_EQ(topLeft(dek::Command1).x, platform::TwipsToPixels(120, dpi));
    EXPECT_EQ(topLeft(dek::Command5).x, platform::TwipsToPixels(5280, dpi));
    EXPECT_EQ(topLeft(dek::List1).y, platform::TwipsToPixels(720, dpi));
    EXPECT_GE(topLeft(dek::File1).y, client.cy);
    EXPECT_GE(topLeft(dek::Image1).y, client.cy);

    // The close box ends the program and takes the icon out.
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(dek.program.WaitForExit(), 0u);
    EXPECT_FALSE(TrayIconPresent(main));
}

TEST_F(Startup, MissingFoldersAreCreatedAndExistingOnesLeftAsTheyAre) {
    ProgramFolder fresh(L"fresh");
    {
        Dek dek(fresh);
        ASSERT_TRUE(dek.WaitUntilRunning());
        EXPECT_TRUE(Exists(fresh.Wall()));
        EXPECT_TRUE(Exists(fresh.Saver()));
        EXPECT_TRUE(Exists(fresh.Dat()));
        PostMessageW(dek.main, WM_CLOSE, 0, 0);
        EXPECT_EQ(dek.program.WaitForExit(), 0u);
    }

    ProgramFolder used(L"used");
    WriteFile(used.Saver() + L"\\night.scr", "saver");
    WriteFile(used.Dat() + L"\\old.bmp.dat", "1\r\n");
    WriteFile(used.Wall() + L"\\keep.txt", "keep");
    Dek dek(used);
    ASSERT_TRUE(dek.WaitUntilRunning());
    EXPECT_EQ(ReadFile(used.Saver() + L"\\night.scr"), "saver");
    EXPECT_EQ(ReadFile(used.Dat() + L"\\old.bmp.dat"), "1\r\n");
    EXPECT_EQ(ReadFile(used.Wall() + L"\\keep.txt"), "keep");
    PostMessageW(dek.main, WM_CLOSE, 0, 0);
    EXPECT_EQ(dek.program.WaitForExit(), 0u);
}

TEST_F(Startup, ExitButtonAndExitMenuItemEndTheProgramAndRemoveTheIcon) {
    ProgramFolder folder(L"exit");
    {
        Dek dek(folder);
        ASSERT_TRUE(dek.WaitUntilRunning());
        ASSERT_TRUE(TrayIconPresent(dek.main));
        Click(dek.Control(dek::Command12));
        EXPECT_EQ(dek.program.WaitForExit(), 0u);
        EXPECT_FALSE(TrayIconPresent(dek.main));
    }
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    ClickMenuItem(dek.main, dek::mend);
    EXPECT_EQ(dek.program.WaitForExit(), 0u);
    EXPECT_FALSE(TrayIconPresent(dek.main));
}

TEST_F(Startup, HiddenModeKeepsTheWindowHiddenWithTheIconPresent) {
    for (const wchar_t* argument : {L"-s", L"x", L"  -S"}) {
        ProgramFolder folder(L"hidden");
        Dek dek(folder, argument);
        ASSERT_TRUE(dek.WaitUntilRunning()) << argument;
        EXPECT_TRUE(TrayIconPresent(dek.main)) << argument;
        EXPECT_FALSE(IsWindowVisible(dek.main)) << argument;
        EXPECT_TRUE(Exists(folder.Wall()));
        PostMessageW(dek.main, WM_CLOSE, 0, 0);
        EXPECT_EQ(dek.program.WaitForExit(), 0u) << argument;
    }
}

TEST_F(Startup, OneShotModeEndsByItselfWithoutEverShowingAWindowOrIcon) {
    for (const wchar_t* argument : {L"-e", L"  -E", L"-eX"}) {
        ProgramFolder folder(L"one shot");
        Dek dek(folder, argument);
        ASSERT_TRUE(dek.program.Started());
        bool shown = false;
        // Watch the whole run: no window of the program may become visible, and no icon appear.
        WaitFor([&] {
            for (HWND hwnd : dek.program.TopLevelWindows()) {
                if (IsWindowVisible(hwnd) || TrayIconPresent(hwnd)) shown = true;
            }
            return dek.program.HasExited();
        });
        EXPECT_EQ(dek.program.WaitForExit(), 0u) << argument;
        EXPECT_FALSE(shown) << argument;
        EXPECT_TRUE(Exists(folder.Wall()));
        EXPECT_TRUE(Exists(folder.Saver()));
        EXPECT_TRUE(Exists(folder.Dat()));
    }
}

TEST_F(Startup, APlainFileWhereAFolderBelongsIsReportedAndEndsTheProgram) {
    for (const wchar_t* blocked : {L"Wall", L"Saver", L"dat"}) {
        ProgramFolder folder(L"blocked");
        WriteFile(folder / blocked, "not a folder");
        Dek dek(folder);
        HWND box = dek.program.WaitForMessageBox();
        ASSERT_NE(box, nullptr) << blocked;
        HWND main = dek.program.FindWindow(dek::kMainWindowTitle, dek::kMainWindowClass);
        EXPECT_NE(MessageBoxText(box).find(folder / blocked), std::wstring::npos) << MessageBoxText(box);
        Click(FindControlByText(box, L"OK"));
        const std::optional<DWORD> code = dek.program.WaitForExit();
        ASSERT_TRUE(code.has_value()) << blocked;
        EXPECT_NE(*code, 0u) << blocked;
        EXPECT_EQ(ReadFile(folder / blocked), "not a folder");
        // Start-up stops there: nothing after the blocked folder is made.
        if (std::wstring(blocked) == L"dat") {
            EXPECT_FALSE(Exists(folder.Wall()));
        }
        EXPECT_FALSE(TrayIconPresent(main)) << blocked;
    }
}

}  // namespace
