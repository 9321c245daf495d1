// Managing the collection: deleting, the display-position dialog, the wallpaper preview, starting
// a screen saver and its settings, and the version message.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/dek.h"
#include "tests/support/test_pictures.h"

namespace {

using namespace dektest;
using Names = std::vector<std::wstring>;
namespace fs = std::filesystem;

std::string Plain(int width, int height) { return MakeBitmap(width, height, [](int, int) { return RGB(0, 0, 200); }); }

class CollectionManage : public DekTest {};

// Wallpapers go with or without their record, a read-only one stays with it. A screen saver is
// started by its whole quoted path, never as a program at a shorter path ("my.exe" for
// "my saver.scr"). And the version message.
TEST_F(CollectionManage, DeleteAndScreenSaverButtonsActOnTheSelectedFile) {
    ProgramFolder folder(L"delete and start");
    const std::wstring saver = folder.Saver() + L"\\my saver.scr", stray = folder.Saver() + L"\\my.exe";
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
    HWND list = dek.Control(dek::List1), remove = dek.Control(dek::Command2);

    // After a delete the list shows its last wallpaper selected, for every button but delete.
    ASSERT_TRUE(ClickRowThen(list, 0, remove));
    EXPECT_TRUE(WaitFor([&] { return ListRows(list) == Names{L"全\u3000sky.bmp", L"拡\u3000stuck.bmp"}; }));
    EXPECT_FALSE(Exists(folder.Dat() + L"\\sea.bmp.dat"));
    EXPECT_EQ(ListSelection(list), 1);
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

    HWND savers = dek.Control(dek::File2);
    ASSERT_EQ(ListRows(savers), (Names{L"my saver.scr", L"old.scr"}));
    ASSERT_TRUE(ClickRowThen(savers, 0, dek.Control(dek::Command7)));
    EXPECT_TRUE(WaitFor([&] { return RecordedCommandLine(saver) == L"\"" + saver + L"\" /s"; })) << RecordedCommandLine(saver);
    Click(dek.Control(dek::Command14));
    EXPECT_TRUE(WaitFor([&] { return RecordedCommandLine(saver) == L"\"" + saver + L"\" /c"; })) << RecordedCommandLine(saver);
    EXPECT_FALSE(Exists(stray + L".cmdline"));
    ASSERT_TRUE(ClickRowThen(savers, 1, dek.Control(dek::Command6)));
    EXPECT_TRUE(WaitFor([&] { return ListRows(savers) == Names{L"my saver.scr"}; }));
    EXPECT_FALSE(IsEnabled(dek.Control(dek::Command6)));
    EXPECT_TRUE(IsEnabled(dek.Control(dek::Command7)));

    Click(dek.Control(dek::Command10));
    ASSERT_NE(dek.program.WaitForMessageBox(), nullptr);
    EXPECT_EQ(WindowText(dek.program.WaitForMessageBox()), L"ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(AnswerMessageBox(dek.program), L"Dekorin Ver.1.44");
}

TEST_F(CollectionManage, DisplayPositionAndPreviewActOnTheSelectedWallpaper) {
    ProgramFolder folder(L"position and preview");
    WriteFile(folder.Wall() + L"\\a small.bmp", Plain(200, 150));
    WriteFile(folder.Dat() + L"\\a small.bmp.dat", "2\r\n");
    WriteFile(folder.Wall() + L"\\b large.bmp", Plain(300, 220));
    WriteFile(folder.Wall() + L"\\c stuck.bmp", Plain(2, 2));
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    HWND list = dek.Control(dek::List1);

    // A row marked 拡 opens the dialog modally with 拡大 selected; OK writes 2 again.
    ASSERT_TRUE(ClickRowThen(list, 0, dek.Control(dek::Command13)));
    HWND dialog = WaitForPositionDialog(dek.program);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SelectedPosition(dialog), 2);
    EXPECT_FALSE(IsEnabled(dek.main));
    fs::remove(folder.Dat() + L"\\a small.bmp.dat");
    ASSERT_TRUE(AnswerPosition(dek.program, dialog, -1));
    EXPECT_TRUE(WaitFor([&] { return ReadFile(folder.Dat() + L"\\a small.bmp.dat") == "2\r\n" && IsEnabled(dek.main); }));

    // A row marked 全: 拡大 clears 中央に表示 across the keyboard groups, and the close box keeps
    // the last click as OK does.
    ASSERT_TRUE(ClickRowThen(list, 1, dek.Control(dek::Command13)));
    ASSERT_TRUE((dialog = WaitForPositionDialog(dek.program)));
    EXPECT_EQ(SelectedPosition(dialog), 0);
    Click(GetDlgItem(dialog, dek::Form4Option1 + 2));
    EXPECT_TRUE(WaitFor([&] { return SelectedPosition(dialog) == 2; }));
    ASSERT_TRUE(AnswerPosition(dek.program, dialog, 1, true));
    EXPECT_TRUE(WaitFor([&] { return ListRows(list)[1] == L"並\u3000b large.bmp"; }));
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\b large.bmp.dat"), "1\r\n");

    // A position that cannot be stored (a folder has the record's name) is reported with the
    // record's path, and the list shows what the desktop gets: 全.
    fs::remove(folder.Dat() + L"\\c stuck.bmp.dat");
    fs::create_directory(folder.Dat() + L"\\c stuck.bmp.dat");
    ASSERT_TRUE(ClickRowThen(list, 2, dek.Control(dek::Command13)));
    ASSERT_TRUE((dialog = WaitForPositionDialog(dek.program)));
    ASSERT_TRUE(AnswerPosition(dek.program, dialog, 1));
    EXPECT_NE(AnswerMessageBox(dek.program).find(folder.Dat() + L"\\c stuck.bmp.dat"), std::wstring::npos);
    EXPECT_TRUE(WaitFor([&] { return ListRows(list)[2] == L"全\u3000c stuck.bmp"; }));

    // The preview: the picture's outer size, centred, not modal; the next one reuses the window
    // where it stands; a click or Esc closes it.
    HWND preview = nullptr;
    auto previewShown = [&] {
        return WaitFor([&] {
            preview = dek.program.FindWindow(L"", dek::kPictureWindowClass);
            return preview && IsWindowVisible(preview);
        });
    };
    ASSERT_TRUE(ClickRowThen(list, 0, dek.Control(dek::Command3)));
    ASSERT_TRUE(previewShown());
    RECT r = WindowRectOf(preview);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(r.bottom - r.top, 150);
    EXPECT_LE(std::abs(r.left - (GetSystemMetrics(SM_CXSCREEN) - 200) / 2) + std::abs(r.top - (GetSystemMetrics(SM_CYSCREEN) - 150) / 2), 2);
    EXPECT_TRUE(IsEnabled(dek.main));
    MoveWindow(preview, 10, 20, 200, 150, TRUE);
    ASSERT_TRUE(ClickRowThen(list, 1, dek.Control(dek::Command3)));
    const RECT moved = {10, 20, 310, 240};
    EXPECT_TRUE(WaitFor([&] { return r = WindowRectOf(preview), EqualRect(&r, &moved); }));
    PostMessageW(preview, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(preview); }));
    // A new window outlives the main window and ends the program when its picture is clicked.
    Click(dek.Control(dek::Command3));
    ASSERT_TRUE(previewShown());
    PostMessageW(dek.main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dek.main); }));
    ASSERT_TRUE(Settled(preview));
    EXPECT_FALSE(dek.program.HasExited());
    PostMessageW(GetDlgItem(preview, dek::Picture1), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(dek.program.WaitForExit(), 0u);
}

}  // namespace
