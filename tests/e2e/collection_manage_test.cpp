// Managing the collection: deleting, the display-position button, the wallpaper preview, starting
// a screen saver and its settings, and the version message.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/collection_driver.h"
#include "tests/support/desktop.h"
#include "tests/support/test_pictures.h"

namespace {

using namespace dektest;
using Names = std::vector<std::wstring>;
namespace fs = std::filesystem;

std::string Plain(int width, int height) { return MakeBitmap(width, height, [](int, int) { return RGB(0, 0, 200); }); }

class CollectionManage : public testing::Test {
protected:
    void SetUp() override { ResetDekSettings(); }
    void TearDown() override { ResetDekSettings(); }
};

// Wallpapers go with or without their record, a read-only one stays. A screen saver is started by
// its whole quoted path, never as a program at a shorter path ("my.exe" for "my saver.scr").
TEST_F(CollectionManage, DeleteAndScreenSaverButtonsActOnTheSelectedFile) {
    ProgramFolder folder(L"delete and start");
    const std::wstring saver = folder.Saver() + L"\\my saver.scr";
    const std::wstring stray = folder.Saver() + L"\\my.exe";
    WriteFile(folder.Saver() + L"\\old.scr", "old");
    for (const std::wstring& copy : {saver, stray}) fs::copy_file(BinFolder() + L"\\command_line_recorder.exe", copy);
    for (const wchar_t* name : {L"\\sea.bmp", L"\\sky.bmp", L"\\stuck.bmp"}) WriteFile(folder.Wall() + name, Plain(2, 2));
    WriteFile(folder.Dat() + L"\\sea.bmp.dat", "1\r\n");
    WriteFile(folder.Dat() + L"\\stuck.bmp.dat", "2\r\n");
    const std::wstring stuck = folder.Wall() + L"\\stuck.bmp";
    ASSERT_TRUE(SetFileAttributesW(stuck.c_str(), FILE_ATTRIBUTE_READONLY));
    platform::ScopeExit writable([&] { SetFileAttributesW(stuck.c_str(), FILE_ATTRIBUTE_NORMAL); });
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    HWND list = dek.Control(dek::List1);
    HWND remove = dek.Control(dek::Command2);
    ASSERT_EQ(ListRows(list), (Names{L"並\u3000sea.bmp", L"全\u3000sky.bmp", L"拡\u3000stuck.bmp"}));

    // The rebuilt list selects its last wallpaper for the other buttons, not for delete.
    ASSERT_TRUE(ClickRowThen(list, 0, remove));
    EXPECT_TRUE(WaitFor([&] { return ListRows(list) == Names{L"全\u3000sky.bmp", L"拡\u3000stuck.bmp"}; }));
    EXPECT_FALSE(Exists(folder.Dat() + L"\\sea.bmp.dat"));
    EXPECT_FALSE(IsEnabled(remove));
    EXPECT_TRUE(IsEnabled(dek.Control(dek::Command3)));

    fs::remove(folder.Dat() + L"\\sky.bmp.dat");
    ASSERT_TRUE(ClickRowThen(list, 0, remove));
    EXPECT_TRUE(WaitFor([&] { return ListRows(list) == Names{L"拡\u3000stuck.bmp"}; }));
    EXPECT_EQ(FolderNames(folder.Dat()), Names{L"stuck.bmp.dat"});

    // A file that cannot be deleted stays with its record; the list is read again all the same.
    WriteFile(folder.Wall() + L"\\later.bmp", Plain(2, 2));
    ASSERT_TRUE(ClickRowThen(list, 0, remove));
    EXPECT_TRUE(WaitFor([&] { return ListRows(list) == Names{L"全\u3000later.bmp", L"拡\u3000stuck.bmp"}; }));
    EXPECT_TRUE(Exists(stuck));
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\stuck.bmp.dat"), "2\r\n");
    EXPECT_FALSE(IsEnabled(remove));

    HWND file2 = dek.Control(dek::File2);
    ASSERT_EQ(ListRows(file2), (Names{L"my saver.scr", L"old.scr"}));
    ASSERT_TRUE(ClickRowThen(file2, 0, dek.Control(dek::Command7)));
    EXPECT_TRUE(WaitFor([&] { return RecordedCommandLine(saver) == L"\"" + saver + L"\" /s"; })) << RecordedCommandLine(saver);
    Click(dek.Control(dek::Command14));
    EXPECT_TRUE(WaitFor([&] { return RecordedCommandLine(saver) == L"\"" + saver + L"\" /c"; })) << RecordedCommandLine(saver);
    EXPECT_FALSE(Exists(stray + L".cmdline"));
    ASSERT_TRUE(ClickRowThen(file2, 1, dek.Control(dek::Command6)));
    EXPECT_TRUE(WaitFor([&] { return ListRows(file2) == Names{L"my saver.scr"}; }));
    EXPECT_FALSE(IsEnabled(dek.Control(dek::Command6)));
}

TEST_F(CollectionManage, DisplayPositionAndPreviewActOnTheSelectedWallpaper) {
    ProgramFolder folder(L"position and preview");
    WriteFile(folder.Wall() + L"\\a small.bmp", Plain(200, 150));
    WriteFile(folder.Dat() + L"\\a small.bmp.dat", "2\r\n");
    WriteFile(folder.Wall() + L"\\b large.bmp", Plain(300, 220));
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    HWND list = dek.Control(dek::List1);

    // A row marked 拡 opens the dialog modally with 拡大 selected; OK writes 2 again.
    ASSERT_TRUE(ClickRowThen(list, 0, dek.Control(dek::Command13)));
    HWND form4 = WaitForPositionDialog(dek.program);
    ASSERT_NE(form4, nullptr);
    EXPECT_EQ(SelectedPosition(form4), 2);
    EXPECT_FALSE(IsEnabled(dek.main));
    fs::remove(folder.Dat() + L"\\a small.bmp.dat");
    ASSERT_TRUE(AnswerPosition(dek.program, form4, -1));
    EXPECT_TRUE(WaitFor([&] { return ReadFile(folder.Dat() + L"\\a small.bmp.dat") == "2\r\n" && IsEnabled(dek.main); }));

    // A row marked 全: selecting 拡大 clears 中央に表示 across the keyboard groups, and the close
    // box keeps the last click as OK does.
    ASSERT_TRUE(ClickRowThen(list, 1, dek.Control(dek::Command13)));
    ASSERT_TRUE((form4 = WaitForPositionDialog(dek.program)));
    EXPECT_EQ(SelectedPosition(form4), 0);
    Click(GetDlgItem(form4, dek::Form4Option1 + 2));
    EXPECT_TRUE(WaitFor([&] { return SelectedPosition(form4) == 2; }));
    ASSERT_TRUE(AnswerPosition(dek.program, form4, 1, true));
    EXPECT_TRUE(WaitFor([&] { return ListRows(list) == Names{L"拡\u3000a small.bmp", L"並\u3000b large.bmp"}; }));
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\b large.bmp.dat"), "1\r\n");

    // The preview: the picture's outer size, centred, not modal; the next one reuses the window
    // where it stands.
    HWND form2 = nullptr;
    auto previewShown = [&] { return WaitFor([&] { return (form2 = FindPictureWindow(dek.program)) && IsWindowVisible(form2); }); };
    ASSERT_TRUE(ClickRowThen(list, 0, dek.Control(dek::Command3)));
    ASSERT_TRUE(previewShown());
    const RECT centred = {(GetSystemMetrics(SM_CXSCREEN) - 200) / 2, (GetSystemMetrics(SM_CYSCREEN) - 150) / 2};
    RECT r = WindowRectOf(form2);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(r.bottom - r.top, 150);
    EXPECT_LE(std::abs(r.left - centred.left) + std::abs(r.top - centred.top), 2);
    EXPECT_TRUE(IsEnabled(dek.main));
    MoveWindow(form2, 10, 20, 200, 150, TRUE);
    ASSERT_TRUE(ClickRowThen(list, 1, dek.Control(dek::Command3)));
    const RECT moved = {10, 20, 310, 240};
    EXPECT_TRUE(WaitFor([&] { return r = WindowRectOf(form2), EqualRect(&r, &moved); }));

    // A click on the picture closes it; the next preview is a new window, which outlives the main
    // window and ends the program when clicked.
    auto clickPicture = [&] { PostMessageW(GetDlgItem(form2, dek::Picture1), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); };
    clickPicture();
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(form2); }));
    Click(dek.Control(dek::Command3));
    ASSERT_TRUE(previewShown());
    PostMessageW(dek.main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dek.main); }));
    ASSERT_TRUE(Settled(form2));
    EXPECT_TRUE(IsWindowVisible(form2));
    EXPECT_FALSE(dek.program.HasExited());
    clickPicture();
    EXPECT_EQ(dek.program.WaitForExit(), 0u);
}

TEST_F(CollectionManage, VersionButtonShowsTheVersionThatTheProgramFileCarries) {
    ProgramFolder folder(L"version");
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    Click(dek.Control(dek::Command10));
    HWND box = dek.program.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), L"ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(MessageBoxText(box), L"Dekorin Ver.1.44");
    Click(FindControlByText(box, L"OK"));
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }));

    // File version 1.4.0.4, as text "1.04.0004".
    const std::wstring exe = folder.Exe();
    std::string data(GetFileVersionInfoSizeW(exe.c_str(), nullptr), '\0');
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(data.size()), data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    wchar_t* text = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(4, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(4, 0));
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\StringFileInfo\\041104b0\\FileVersion", reinterpret_cast<void**>(&text), &length));
    EXPECT_EQ(std::wstring(text), L"1.04.0004");
}

}  // namespace
