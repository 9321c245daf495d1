// Adding to the collection: files dropped on the main window, and the two Add buttons through the
// real open-file dialog.
#include <gtest/gtest.h>

#include "platform/pictures.h"
#include "tests/support/dek.h"
#include "tests/support/test_pictures.h"

namespace {

using namespace dektest;
using Names = std::vector<std::wstring>;

class CollectionAdd : public DekTest {};

TEST_F(CollectionAdd, DroppedFilesAreTakenByKindOneAtATimeAndRefusalsAreReportedByName) {
    ProgramFolder folder(L"drop");
    const std::wstring in = folder / L"incoming\\";
    const std::wstring longName = std::wstring(40, L'n') + L" 夜空";
    const std::wstring longPath = in + std::wstring(90, L'd') + L"\\" + std::wstring(50, L'p') + L"\\" + longName + L".gif";
    for (const std::wstring& gif : {in + L"sky.GIF", longPath}) WriteFile(gif, SkyGif());
    WriteFile(in + L"locked.bmp", MakeBitmap(2, 2, [](int, int) { return RGB(1, 1, 1); }));
    WriteFile(in + L"notes.txt", "notes");
    WriteFile(in + L"broken.jpg", "this is not a picture");
    WriteFile(in + L"night.SCR", "night saver");
    // A small file whose frame header says 65500 x 65500: refused before anything is decoded.
    std::string huge(PhotoJpg());
    const size_t frame = huge.find("\xff\xc0");
    huge.replace(frame + 5, 4, "\xff\xdc\xff\xdc");
    WriteFile(in + L"huge.jpg", huge);
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    HWND list = dek.Control(dek::List1);

    // Of three files only the first counts: sky.GIF is stored as sky.bmp, then its position is
    // asked for modally, with no option preselected.
    ASSERT_TRUE(DropFiles(dek, folder, {in + L"sky.GIF", in + L"night.SCR", longPath}));
    HWND dialog = WaitForPositionDialog(dek.program);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(FolderNames(folder.Wall()), Names{L"sky.bmp"});
    EXPECT_FALSE(IsEnabled(dek.main));
    EXPECT_EQ(SelectedPosition(dialog), -1);
    ASSERT_TRUE(AnswerPosition(dek.program, dialog, 1));
    EXPECT_TRUE(WaitFor([&] { return ListRows(list) == Names{L"並\u3000sky.bmp"}; }));
    EXPECT_TRUE(IsEnabled(dek.main));
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\sky.bmp.dat"), "1\r\n");
    EXPECT_TRUE(FolderNames(folder.Saver()).empty());
    const platform::PictureLoad stored = platform::LoadPicture(folder.Wall() + L"\\sky.bmp");
    const platform::PictureLoad dropped = platform::LoadPicture(in + L"sky.GIF");
    ASSERT_TRUE(stored.picture && dropped.picture);
    EXPECT_EQ(ReadFile(folder.Wall() + L"\\sky.bmp").substr(0, 2), "BM");
    EXPECT_EQ(stored.picture->Pixels(), dropped.picture->Pixels());

    // Another kind of file changes nothing and asks nothing; a picture that cannot be decoded or
    // is too large, and a bitmap that cannot be read, are reported by name and change nothing.
    platform::UniqueFile holder(CreateFileW((in + L"locked.bmp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    for (const wchar_t* refused : {L"notes.txt", L"broken.jpg", L"huge.jpg", L"locked.bmp"}) {
        ASSERT_TRUE(DropFiles(dek, folder, {in + refused}));
        if (std::wstring(refused) != L"notes.txt") {
            const std::wstring text = AnswerMessageBox(dek.program);
            EXPECT_NE(text.find(in + refused), std::wstring::npos) << text;
            if (std::wstring(refused) == L"huge.jpg") EXPECT_NE(text.find(L"65500 × 65500"), std::wstring::npos) << text;
        }
        ASSERT_TRUE(Settled(dek.main));
        EXPECT_EQ(PositionDialog(dek.program), nullptr) << refused;
        EXPECT_EQ(FolderNames(folder.Wall()), Names{L"sky.bmp"}) << refused;
        EXPECT_EQ(FolderNames(folder.Dat()), Names{L"sky.bmp.dat"}) << refused;
    }

    // A screen saver goes to Saver without a question.
    ASSERT_TRUE(DropFiles(dek, folder, {in + L"night.SCR"}));
    EXPECT_TRUE(WaitFor([&] { return ListRows(dek.Control(dek::File2)) == Names{L"night.SCR"}; }));
    ASSERT_TRUE(Settled(dek.main));
    EXPECT_EQ(PositionDialog(dek.program), nullptr);
    EXPECT_EQ(ReadFile(folder.Saver() + L"\\night.SCR"), "night saver");

    // A long path is taken whole.
    ASSERT_TRUE(DropFiles(dek, folder, {longPath}));
    ASSERT_TRUE((dialog = WaitForPositionDialog(dek.program)));
    ASSERT_TRUE(AnswerPosition(dek.program, dialog, 2));
    EXPECT_TRUE(WaitFor([&] { return ListRows(list) == Names{L"拡\u3000" + longName + L".bmp", L"並\u3000sky.bmp"}; }));
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\" + longName + L".bmp.dat"), "2\r\n");
    // Converting shows no window, and leaves none that keeps the program alive.
    EXPECT_EQ(dek.CloseAndWait(), 0u);
}

// The dialogs open in "defdir" and "defdir2", where the typed names are found; a remembered
// folder too long for the dialog is left out, and the dialog opens all the same.
TEST_F(CollectionAdd, AddButtonsTakeWhatTheOpenFileDialogChooses) {
    ProgramFolder folder(L"add buttons");
    const std::string sea = MakeBitmap(6, 6, [](int x, int) { return RGB(0, 100, x * 40); });
    WriteFile(folder / L"pictures\\sea.bmp", sea);
    WriteFile(folder / L"savers\\night.scr", "night saver");
    SetDekSetting(L"defdir", folder / L"pictures");
    SetDekSetting(L"defdir2", L"C:\\" + std::wstring(1000, L'x'));
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    HWND list = dek.Control(dek::List1);
    const wchar_t* wallTitle = L"壁紙をリストに追加";
    const wchar_t* saverTitle = L"ｽｸﾘｰﾝｾｰﾊﾞｰをリストに追加";
    auto addWallpaper = [&](std::wstring_view typed, int position) {
        Click(dek.Control(dek::Command1));
        HWND dialog = nullptr;
        return AnswerOpenDialog(dek.program, wallTitle, typed) && (dialog = WaitForPositionDialog(dek.program)) &&
               AnswerPosition(dek.program, dialog, position);
    };

    // The display position does nothing before any wallpaper was selected.
    Click(dek.Control(dek::Command13));
    ASSERT_TRUE(Settled(dek.main));
    EXPECT_EQ(PositionDialog(dek.program), nullptr);
    EXPECT_TRUE(FolderNames(folder.Dat()).empty());

    // A bitmap is copied as it is. One of the collection itself is in place already, and its
    // position is asked for again.
    ASSERT_TRUE(addWallpaper(L"sea.bmp", 2));
    EXPECT_TRUE(WaitFor([&] { return ListRows(list) == Names{L"拡\u3000sea.bmp"}; }));
    EXPECT_EQ(ReadFile(folder.Wall() + L"\\sea.bmp"), sea);
    ASSERT_TRUE(addWallpaper(folder.Wall() + L"\\sea.bmp", 1));
    EXPECT_TRUE(WaitFor([&] { return ListRows(list) == Names{L"並\u3000sea.bmp"}; }));
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\sea.bmp.dat"), "1\r\n");
    EXPECT_EQ(ReadFile(folder.Wall() + L"\\sea.bmp"), sea);
    Click(dek.Control(dek::Command1));
    ASSERT_TRUE(AnswerOpenDialog(dek.program, wallTitle, L""));
    ASSERT_TRUE(Settled(dek.main));
    EXPECT_EQ(PositionDialog(dek.program), nullptr);
    EXPECT_EQ(FolderNames(folder.Wall()), Names{L"sea.bmp"});

    // A screen saver is copied; a cancelled dialog still reads the folder again.
    Click(dek.Control(dek::Command5));
    ASSERT_TRUE(AnswerOpenDialog(dek.program, saverTitle, folder / L"savers\\night.scr"));
    EXPECT_TRUE(WaitFor([&] { return ListRows(dek.Control(dek::File2)) == Names{L"night.scr"}; }));
    EXPECT_EQ(ReadFile(folder.Saver() + L"\\night.scr"), "night saver");
    WriteFile(folder.Saver() + L"\\aurora.scr", "aurora");
    Click(dek.Control(dek::Command5));
    ASSERT_TRUE(AnswerOpenDialog(dek.program, saverTitle, L""));
    EXPECT_TRUE(WaitFor([&] { return ListRows(dek.Control(dek::File2)) == Names{L"aurora.scr", L"night.scr"}; }));
    EXPECT_EQ(dek.CloseAndWait(), 0u);
}

}  // namespace
