// The collection: files dropped on the main window, the two Add buttons through the real
// open-file dialog, deleting, the display-position dialog, the wallpaper preview, and starting a
// screen saver and its settings.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/pictures.h"
#include "tests/window/window_test.h"

using namespace dektest;
using Names = std::vector<std::wstring>;
namespace fs = std::filesystem;

static std::string Plain(int width, int height) { return MakeBitmap(width, height, [](int, int) { return RGB(0, 0, 200); }); }

class CollectionButtons : public ChangerWindowTest {
protected:
    std::wstring Row(int row) { return ListRows(Control(dek::WallpaperList)).at(static_cast<size_t>(row)); }
};

TEST_F(CollectionButtons, ADropTakesTheFirstFileByItsKind) {
    const std::wstring in = folder / L"incoming\\";
    const std::wstring longName = std::wstring(40, L'n') + L" 夜空";
    const std::wstring longPath = in + std::wstring(90, L'd') + L"\\" + std::wstring(50, L'p') + L"\\" + longName + L".gif";
    for (const std::wstring& gif : {in + L"sky.GIF", longPath}) WriteFile(gif, TestPicture(L"sky.gif"));
    WriteFile(in + L"night.SCR", "night saver");
    ASSERT_TRUE(Start());

    // Of three files only the first counts: sky.GIF is stored as sky.bmp, then its position is
    // asked for modally, with no option preselected.
    int shown = 0;
    bool modal = true;
    Expect({[&](HWND dialog) { return modal = !IsWindowEnabled(Main()), Position(1, &shown)(dialog); }});
    Drop({in + L"sky.GIF", in + L"night.SCR", longPath});
    ASSERT_TRUE(Answered());
    EXPECT_TRUE(modal);
    EXPECT_TRUE(IsWindowEnabled(Main()));
    EXPECT_EQ(shown, -1);
    EXPECT_EQ(ListRows(Control(dek::WallpaperList)), Names{L"並\u3000sky.bmp"});
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\sky.bmp.dat"), "1\r\n");
    EXPECT_TRUE(FolderNames(folder.Saver()).empty());
    const platform::PictureLoad stored = platform::LoadPicture(folder.Wall() + L"\\sky.bmp");
    ASSERT_TRUE(stored.picture);
    EXPECT_EQ(stored.picture->Pixels(), platform::LoadPicture(in + L"sky.GIF").picture->Pixels());

    // A screen saver goes to Saver without a question; a long path is taken whole.
    Drop({in + L"night.SCR"});
    EXPECT_EQ(ListRows(Control(dek::ScreenSaverList)), Names{L"night.SCR"});
    EXPECT_EQ(ReadFile(folder.Saver() + L"\\night.SCR"), "night saver");
    Expect({Position(2)});
    Drop({longPath});
    EXPECT_EQ(Row(0), L"拡\u3000" + longName + L".bmp");
    // Converting shows no window, and leaves none that keeps the program alive.
    SendMessageW(Main(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(Ended());
}

TEST_F(CollectionButtons, ARefusedDropIsReportedByNameAndChangesNothing) {
    const std::wstring in = folder / L"incoming\\";
    WriteFile(in + L"locked.bmp", Plain(2, 2));
    WriteFile(in + L"notes.txt", "notes");
    WriteFile(in + L"broken.jpg", "this is not a picture");
    // A small file whose frame header says 65500 x 65500: refused before anything is decoded.
    std::string huge = TestPicture(L"photo.jpg");
    huge.replace(huge.find("\xff\xc0") + 5, 4, "\xff\xdc\xff\xdc");
    WriteFile(in + L"huge.jpg", huge);
    WriteFile(folder.Wall() + L"\\sky.bmp", Plain(2, 2));
    ASSERT_TRUE(Start());
    // Another kind of file changes nothing and asks nothing; a picture that cannot be decoded or
    // is too large, and a bitmap that cannot be read, are reported by name and change nothing.
    platform::UniqueFile holder(CreateFileW((in + L"locked.bmp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    for (const wchar_t* refused : {L"notes.txt", L"broken.jpg", L"huge.jpg", L"locked.bmp"}) {
        std::wstring text;
        if (std::wstring(refused) != L"notes.txt") Expect({OkBox(&text)});
        Drop({in + refused});
        EXPECT_TRUE(Answered()) << refused;
        EXPECT_EQ(text.find(in + refused) == std::wstring::npos, text.empty()) << text;
        EXPECT_EQ(FolderNames(folder.Wall()), Names{L"sky.bmp"}) << refused;
        EXPECT_EQ(FolderNames(folder.Dat()), Names{L"sky.bmp.dat"}) << refused;
        EXPECT_EQ(text.find(L"65500 × 65500") != std::wstring::npos, std::wstring(refused) == L"huge.jpg") << text;
    }
}

// The dialogs open in "defdir" and "defdir2", where the typed names are found; a remembered
// folder too long for the dialog is left out, and the dialog opens all the same.
TEST_F(CollectionButtons, TheAddButtonsTakeWhatTheOpenFileDialogChooses) {
    const std::string sea = MakeBitmap(6, 6, [](int x, int) { return RGB(0, 100, x * 40); });
    WriteFile(folder / L"pictures\\sea.bmp", sea);
    WriteFile(folder / L"savers\\night.scr", "night saver");
    SetDekSetting(L"defdir", folder / L"pictures");
    SetDekSetting(L"defdir2", L"C:\\" + std::wstring(1000, L'x'));
    ASSERT_TRUE(Start());
    const wchar_t *wallTitle = L"壁紙をリストに追加", *saverTitle = L"ｽｸﾘｰﾝｾｰﾊﾞｰをリストに追加";
    Command(dek::WallpaperPositionButton);  // the display position does nothing before any wallpaper was selected
    EXPECT_TRUE(FolderNames(folder.Dat()).empty());

    // A bitmap is copied as it is; one of the collection itself is in place already, and its
    // position is asked for again; a cancelled dialog adds nothing.
    Expect({OpenFile(wallTitle, L"sea.bmp"), Position(2), OpenFile(wallTitle, folder.Wall() + L"\\sea.bmp"),
            Position(1), OpenFile(wallTitle, L"")});
    for (int add = 0; add < 3; ++add) Command(dek::AddWallpaperButton);
    ASSERT_TRUE(Answered());
    EXPECT_EQ(ListRows(Control(dek::WallpaperList)), Names{L"並\u3000sea.bmp"});
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\sea.bmp.dat"), "1\r\n");
    EXPECT_EQ(ReadFile(folder.Wall() + L"\\sea.bmp"), sea);

    // A screen saver is copied; a cancelled dialog still reads the folder again.
    Expect({OpenFile(saverTitle, folder / L"savers\\night.scr")});
    Command(dek::AddScreenSaverButton);
    EXPECT_EQ(ReadFile(folder.Saver() + L"\\night.scr"), "night saver");
    WriteFile(folder.Saver() + L"\\aurora.scr", "aurora");
    Expect({OpenFile(saverTitle, L"")});
    Command(dek::AddScreenSaverButton);
    EXPECT_TRUE(Answered());
    EXPECT_EQ(ListRows(Control(dek::ScreenSaverList)), (Names{L"aurora.scr", L"night.scr"}));
}

// Wallpapers go with or without their record, a read-only one stays with it.
TEST_F(CollectionButtons, DeleteRemovesTheSelectedWallpaperWithItsRecord) {
    for (const wchar_t* name : {L"\\sea.bmp", L"\\sky.bmp", L"\\stuck.bmp"}) WriteFile(folder.Wall() + name, Plain(2, 2));
    WriteFile(folder.Dat() + L"\\sea.bmp.dat", "1\r\n");
    WriteFile(folder.Dat() + L"\\stuck.bmp.dat", "2\r\n");
    const std::wstring stuck = folder.Wall() + L"\\stuck.bmp";
    ASSERT_TRUE(SetFileAttributesW(stuck.c_str(), FILE_ATTRIBUTE_READONLY));
    platform::ScopeExit writable([&] { SetFileAttributesW(stuck.c_str(), FILE_ATTRIBUTE_NORMAL); });
    ASSERT_TRUE(Start());

    // After a delete the list shows its last wallpaper selected, for every button but delete.
    ClickRow(dek::WallpaperList, 0);
    Command(dek::DeleteWallpaperButton);
    EXPECT_EQ(ListRows(Control(dek::WallpaperList)), (Names{L"全\u3000sky.bmp", L"拡\u3000stuck.bmp"}));
    EXPECT_FALSE(Exists(folder.Dat() + L"\\sea.bmp.dat"));
    EXPECT_EQ(ListSelection(Control(dek::WallpaperList)), 1);
    EXPECT_FALSE(IsWindowEnabled(Control(dek::DeleteWallpaperButton)));
    EXPECT_TRUE(IsWindowEnabled(Control(dek::PreviewWallpaperButton)));
    fs::remove(folder.Dat() + L"\\sky.bmp.dat");
    ClickRow(dek::WallpaperList, 0);
    Command(dek::DeleteWallpaperButton);
    EXPECT_EQ(FolderNames(folder.Dat()), Names{L"stuck.bmp.dat"});
    // A file that cannot be deleted is reported by name and stays with its record; the list is read
    // again all the same.
    WriteFile(folder.Wall() + L"\\later.bmp", Plain(2, 2));
    ClickRow(dek::WallpaperList, 0);
    std::wstring text;
    Expect({OkBox(&text)});
    Command(dek::DeleteWallpaperButton);
    EXPECT_NE(text.find(stuck), std::wstring::npos) << text;
    EXPECT_EQ(ListRows(Control(dek::WallpaperList)), (Names{L"全\u3000later.bmp", L"拡\u3000stuck.bmp"}));
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\stuck.bmp.dat"), "2\r\n");
}

// A screen saver is started by its whole quoted path, never as a program at a shorter path
// ("my.exe" for "my saver.scr").
TEST_F(CollectionButtons, TheScreenSaverButtonsActOnTheSelectedSaver) {
    const std::wstring saver = folder.Saver() + L"\\my saver.scr", stray = folder.Saver() + L"\\my.exe";
    WriteFile(folder.Saver() + L"\\old.scr", "old");
    for (const std::wstring& copy : {saver, stray}) fs::copy_file(platform::ProgramFolder() + L"\\command_line_recorder.exe", copy);
    ASSERT_TRUE(Start());
    ClickRow(dek::ScreenSaverList, 0);
    Command(dek::PreviewScreenSaverButton);
    EXPECT_TRUE(WaitFor([&] { return RecordedCommandLine(saver) == L"\"" + saver + L"\" /s"; })) << RecordedCommandLine(saver);
    Command(dek::ScreenSaverSettingsButton);
    EXPECT_TRUE(WaitFor([&] { return RecordedCommandLine(saver) == L"\"" + saver + L"\" /c"; })) << RecordedCommandLine(saver);
    EXPECT_FALSE(Exists(stray + L".cmdline"));
    ClickRow(dek::ScreenSaverList, 1);
    Command(dek::DeleteScreenSaverButton);
    EXPECT_EQ(ListRows(Control(dek::ScreenSaverList)), Names{L"my saver.scr"});
}

TEST_F(CollectionButtons, ThePositionDialogStoresTheSelectedWallpapersPosition) {
    WriteFile(folder.Wall() + L"\\a small.bmp", Plain(200, 150));
    WriteFile(folder.Dat() + L"\\a small.bmp.dat", "2\r\n");
    WriteFile(folder.Wall() + L"\\b large.bmp", Plain(300, 220));
    WriteFile(folder.Wall() + L"\\c stuck.bmp", Plain(2, 2));
    ASSERT_TRUE(Start());

    // A row marked 拡 opens the dialog with 拡大 selected; OK writes 2 again. On a row marked 全,
    // 拡大 clears 中央に表示 across the keyboard groups, and the close box keeps the last click.
    int shown = -1;
    ClickRow(dek::WallpaperList, 0);
    fs::remove(folder.Dat() + L"\\a small.bmp.dat");
    Expect({Position(-1, &shown)});
    Command(dek::WallpaperPositionButton);
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\a small.bmp.dat"), "2\r\n");
    ClickRow(dek::WallpaperList, 1);
    Expect({[&](HWND dialog) {
        shown = SelectedPosition(dialog);
        SendMessageW(GetDlgItem(dialog, dek::PositionOption(dek::Stretch)), BM_CLICK, 0, 0);
        EXPECT_EQ(SelectedPosition(dialog), 2);
        return Position(1, nullptr, true)(dialog);
    }});
    Command(dek::WallpaperPositionButton);
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(Row(1), L"並\u3000b large.bmp");
    // A position that cannot be stored (a folder has the record's name) is reported with the
    // record's path, and the list shows what the desktop gets: 全.
    fs::remove(folder.Dat() + L"\\c stuck.bmp.dat");
    fs::create_directory(folder.Dat() + L"\\c stuck.bmp.dat");
    ClickRow(dek::WallpaperList, 2);
    std::wstring text;
    Expect({Position(1), OkBox(&text)});
    Command(dek::WallpaperPositionButton);
    EXPECT_NE(text.find(folder.Dat() + L"\\c stuck.bmp.dat"), std::wstring::npos) << text;
    EXPECT_EQ(Row(2), L"全\u3000c stuck.bmp");
}

// Whatever selected the wallpaper the list shows (the start, a click, an add, a delete, a random
// change), the dialog opens with its position, so that closing it without a click keeps its record.
TEST_F(CollectionButtons, ThePositionDialogOpensWithTheSelectedWallpapersPosition) {
    const std::pair<const wchar_t*, const char*> walls[] = {
        {L"a.bmp", "2\r\n"}, {L"b.bmp", "0\r\n"}, {L"c.bmp", "3\r\n"}, {L"d.bmp", "1\r\n"}, {L"e.bmp", "4\r\n"}};
    for (const auto& [name, record] : walls) {
        WriteFile(folder.Wall() + L"\\" + name, Plain(2, 2));
        WriteFile(folder.Dat() + L"\\" + name + L".dat", record);
    }
    WriteFile(folder / L"0.bmp", Plain(2, 2));
    ASSERT_TRUE(Start());
    const std::pair<const char*, std::function<void()>> selections[] = {
        {"start", [] {}},
        {"click", [&] { ClickRow(dek::WallpaperList, 1); }},
        {"add", [&] { Expect({Position(dek::Tile)}), Drop({folder / L"0.bmp"}); }},
        {"delete", [&] { ClickRow(dek::WallpaperList, 0), Command(dek::DeleteWallpaperButton); }},
        {"random change", [&] { ClickRow(dek::WallpaperList, 0), Command(dek::TrayMenuChangeWallpaper); }},
    };
    for (const auto& [selectedBy, select] : selections) {
        select();
        const std::wstring row = ListRows(Control(dek::WallpaperList)).at(static_cast<size_t>(ListSelection(Control(dek::WallpaperList))));
        const std::wstring record = folder.Dat() + L"\\" + row.substr(2) + L".dat";
        const std::string stored = ReadFile(record);
        int shown = -1;
        std::wstring look;
        Expect({[&](HWND dialog) { return look = Snapshot(dialog), Position(-1, &shown, true)(dialog); }});
        Command(dek::WallpaperPositionButton);
        EXPECT_EQ(shown, std::stoi(stored)) << selectedBy;
        EXPECT_EQ(ReadFile(record), stored) << selectedBy;
        if (std::string_view(selectedBy) == "start") ExpectSnapshot(look, L"position-dialog");
    }
}

TEST_F(CollectionButtons, ThePreviewShowsTheSelectedWallpaperAtItsSize) {
    WriteFile(folder.Wall() + L"\\a small.bmp", Plain(200, 150));
    WriteFile(folder.Wall() + L"\\b large.bmp", Plain(300, 220));
    ASSERT_TRUE(Start());
    // The preview: the picture's outer size, centred, not modal; the next one reuses the window
    // where it stands; Esc closes it, and a new one is centred again.
    ClickRow(dek::WallpaperList, 0);
    Command(dek::PreviewWallpaperButton);
    HWND preview = FindWindowW(dek::kPictureWindowClass, nullptr);
    EXPECT_TRUE(IsWindowVisible(preview));
    RECT r = WindowRectOf(preview);
    EXPECT_EQ(std::pair(r.right - r.left, r.bottom - r.top), std::pair(200L, 150L));
    EXPECT_LE(std::abs(r.left + r.right - GetSystemMetrics(SM_CXSCREEN)) + std::abs(r.top + r.bottom - GetSystemMetrics(SM_CYSCREEN)), 4);
    EXPECT_TRUE(IsWindowEnabled(Main()));
    MoveWindow(preview, 10, 20, 200, 150, TRUE);
    ClickRow(dek::WallpaperList, 1);
    Command(dek::PreviewWallpaperButton);
    const RECT moved = {10, 20, 310, 240};
    r = WindowRectOf(preview);
    EXPECT_TRUE(EqualRect(&r, &moved));
    PostMessageW(preview, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(preview); }));
    // A new one outlives the main window and ends the program when its picture is clicked.
    Command(dek::PreviewWallpaperButton);
    ASSERT_TRUE(preview = FindWindowW(dek::kPictureWindowClass, nullptr));
    SendMessageW(Main(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(Ended());
    SendMessageW(GetDlgItem(preview, dek::PreviewPicture), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(GetDlgItem(preview, dek::PreviewPicture), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(PumpUntil([&] { return Ended(); }));
}

// Files that another program adds, renames or removes show at once, each in its own row, and the
// selection stays; a writer's hidden temporary and the program's own add give no row of their own.
TEST_F(CollectionButtons, TheListsFollowTheirFolders) {
    for (const wchar_t* name : {L"\\a.bmp", L"\\c.bmp"}) WriteFile(folder.Wall() + name, Plain(2, 2));
    ASSERT_TRUE(Start());
    ClickRow(dek::WallpaperList, 1);
    auto shows = [&](int list, Names rows) { return PumpUntil([&] { return ListRows(Control(list)) == rows; }); };
    WriteFile(folder.Wall() + L"\\b.bmp", Plain(2, 2));
    EXPECT_TRUE(shows(dek::WallpaperList, {L"全\u3000a.bmp", L"全\u3000b.bmp", L"全\u3000c.bmp"}));
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\b.bmp.dat"), "0\r\n");
    EXPECT_EQ(ListSelection(Control(dek::WallpaperList)), 2);
    ASSERT_TRUE(MoveFileW((folder.Wall() + L"\\a.bmp").c_str(), (folder.Wall() + L"\\d.bmp").c_str()));
    EXPECT_TRUE(shows(dek::WallpaperList, {L"全\u3000b.bmp", L"全\u3000c.bmp", L"全\u3000d.bmp"}));
    EXPECT_EQ(ListSelection(Control(dek::WallpaperList)), 1);
    platform::UniqueFile temporary(CreateFileW((folder.Wall() + L"\\~dek1-1.tmp").c_str(), GENERIC_WRITE, 0, nullptr,
                                               CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr));
    Expect({Position(dek::Tile)});
    WriteFile(folder / L"incoming\\e.bmp", Plain(2, 2));
    Drop({folder / L"incoming\\e.bmp"});
    WriteFile(folder.Saver() + L"\\night.scr", "saver");  // heard after the others
    EXPECT_TRUE(shows(dek::ScreenSaverList, {L"night.scr"}));
    EXPECT_EQ(ListRows(Control(dek::WallpaperList)), (Names{L"全\u3000b.bmp", L"全\u3000c.bmp", L"全\u3000d.bmp", L"並\u3000e.bmp"}));
    DeleteFileW((folder.Saver() + L"\\night.scr").c_str());
    EXPECT_TRUE(shows(dek::ScreenSaverList, {}));
}
