// Adding to the collection: files dropped on the main window and the two Add buttons with the
// real open-file dialog; conversion of pictures, the position dialog, records and lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/pictures.h"
#include "platform/registry.h"
#include "tests/support/collection_driver.h"
#include "tests/support/dek.h"
#include "tests/support/desktop.h"
#include "tests/support/test_pictures.h"

namespace {

using namespace dektest;
namespace fs = std::filesystem;

// The ideographic space between a row's marker and the file name.
std::wstring Row(const wchar_t* marker, const wchar_t* name) { return std::wstring(marker) + L"\u3000" + name; }

std::vector<std::wstring> FolderNames(const std::wstring& folder) {
    std::vector<std::wstring> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().wstring());
    std::sort(names.begin(), names.end());
    return names;
}

// Returns once Dek has handled everything posted to it before; a modal loop that a message
// started answers too, so a dialog opened by it is already shown then.
bool Settled(HWND main) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored) != 0;
}

bool ClosedAfterOk(const RunningProgram& program, HWND form4) {
    Click(GetDlgItem(form4, dek::Form4Command1));
    return WaitFor([&] { return !PositionDialogOpen(program); });
}

class CollectionAdd : public testing::Test {
protected:
    void SetUp() override { ResetDekSettings(); }
    void TearDown() override { ResetDekSettings(); }
};

TEST_F(CollectionAdd, DroppedGifIsConvertedToABitmapAskedForItsPositionRecordedAndListed) {
    ProgramFolder folder(L"drop gif");
    const std::wstring source = folder / L"incoming\\sky.GIF";
    WriteFile(source, SkyGif());
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    FileDropper dropper(dek);
    ASSERT_TRUE(dropper.Drop({source}));

    HWND form4 = WaitForPositionDialog(dek.program);
    ASSERT_NE(form4, nullptr);
    // The picture is in the collection before the position is asked for.
    EXPECT_EQ(FolderNames(folder.Wall()), std::vector<std::wstring>{L"sky.bmp"});
    // Modal: the main window takes no input while the dialog is open.
    EXPECT_FALSE(IsEnabled(dek.main));
    EXPECT_EQ(SelectedPosition(form4), -1);
    Click(GetDlgItem(form4, dek::Form4Option1 + 1));  // 並べて表示
    EXPECT_TRUE(WaitFor([&] { return SelectedPosition(form4) == 1; }));
    ASSERT_TRUE(ClosedAfterOk(dek.program, form4));

    EXPECT_TRUE(WaitFor([&] { return ListRows(dek.Control(dek::List1)) == std::vector{Row(L"並", L"sky.bmp")}; }));
    EXPECT_TRUE(IsEnabled(dek.main));
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\sky.bmp.dat"), "1\r\n");

    // The stored bitmap holds the dropped picture's pixels.
    platform::PictureLoad stored = platform::LoadPicture(folder.Wall() + L"\\sky.bmp");
    platform::PictureLoad dropped = platform::LoadPicture(source);
    ASSERT_TRUE(stored.picture && dropped.picture);
    ASSERT_EQ(stored.picture->Width(), kSkyWidth);
    ASSERT_EQ(stored.picture->Height(), kSkyHeight);
    for (auto [x, y] : {std::pair{0, 0}, {39, 0}, {0, 29}, {39, 29}, {19, 14}, {20, 15}}) {
        EXPECT_EQ(stored.picture->PixelAt(x, y), dropped.picture->PixelAt(x, y)) << x << "," << y;
    }
    EXPECT_EQ(ReadFile(folder.Wall() + L"\\sky.bmp").substr(0, 2), "BM");

    // The picture window did the conversion without being shown, and does not keep the program
    // alive once the main window closes.
    HWND form2 = FindPictureWindow(dek.program);
    ASSERT_NE(form2, nullptr);
    EXPECT_FALSE(IsWindowVisible(form2));
    PostMessageW(dek.main, WM_CLOSE, 0, 0);
    EXPECT_EQ(dek.program.WaitForExit(), 0u);
}

TEST_F(CollectionAdd, OnlyTheFirstOfSeveralDroppedFilesIsTakenAndABitmapIsCopiedAsItIs) {
    ProgramFolder folder(L"drop three");
    const std::string first = MakeBitmap(5, 4, [](int x, int y) { return RGB(x * 40, y * 60, 90); });
    WriteFile(folder / L"incoming\\first.bmp", first);
    WriteFile(folder / L"incoming\\second.bmp", MakeBitmap(3, 3, [](int, int) { return RGB(1, 2, 3); }));
    WriteFile(folder / L"incoming\\third.gif", SkyGif());
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    FileDropper dropper(dek);
    ASSERT_TRUE(dropper.Drop({folder / L"incoming\\first.bmp", folder / L"incoming\\second.bmp",
                              folder / L"incoming\\third.gif"}));
    HWND form4 = WaitForPositionDialog(dek.program);
    ASSERT_NE(form4, nullptr);
    ASSERT_TRUE(ClosedAfterOk(dek.program, form4));  // no option chosen: centred

    EXPECT_TRUE(WaitFor([&] { return ListRows(dek.Control(dek::List1)) == std::vector{Row(L"全", L"first.bmp")}; }));
    EXPECT_EQ(FolderNames(folder.Wall()), std::vector<std::wstring>{L"first.bmp"});
    EXPECT_EQ(ReadFile(folder.Wall() + L"\\first.bmp"), first);
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\first.bmp.dat"), "0\r\n");
    // The selection names the last listed wallpaper, and its buttons work on it.
    EXPECT_TRUE(IsEnabled(dek.Control(dek::Command2)));
}

TEST_F(CollectionAdd, DroppedScreenSaverGoesToSaverWithoutAskingAnything) {
    ProgramFolder folder(L"drop saver");
    WriteFile(folder / L"incoming\\night.SCR", "night saver");
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    FileDropper dropper(dek);
    ASSERT_TRUE(dropper.Drop({folder / L"incoming\\night.SCR"}));
    EXPECT_TRUE(WaitFor([&] { return ListRows(dek.Control(dek::File2)) == std::vector<std::wstring>{L"night.SCR"}; }));
    ASSERT_TRUE(Settled(dek.main));
    EXPECT_FALSE(PositionDialogOpen(dek.program));
    EXPECT_EQ(ReadFile(folder.Saver() + L"\\night.SCR"), "night saver");
    EXPECT_TRUE(FolderNames(folder.Wall()).empty());
    EXPECT_TRUE(FolderNames(folder.Dat()).empty());
}

// Nothing enters the collection for another kind of file, a picture that cannot be decoded, or a
// bitmap that cannot be read; no position is asked for and no record written.
TEST_F(CollectionAdd, DropsThatCannotBeTakenLeaveTheCollectionAsItWas) {
    ProgramFolder folder(L"drop refused");
    WriteFile(folder.Wall() + L"\\keep.bmp", MakeBitmap(2, 2, [](int, int) { return RGB(9, 9, 9); }));
    WriteFile(folder.Dat() + L"\\keep.bmp.dat", "1\r\n");
    WriteFile(folder / L"incoming\\notes.txt", "notes");
    WriteFile(folder / L"incoming\\broken.jpg", "this is not a picture");
    WriteFile(folder / L"incoming\\cut.gif", SkyGif().substr(0, 12));
    WriteFile(folder / L"incoming\\locked.bmp", MakeBitmap(2, 2, [](int, int) { return RGB(1, 1, 1); }));
    const std::wstring locked = folder / L"incoming\\locked.bmp";
    platform::UniqueFile holder(CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);

    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    const std::vector<std::wstring> rows = ListRows(dek.Control(dek::List1));
    ASSERT_EQ(rows, std::vector{Row(L"並", L"keep.bmp")});
    FileDropper dropper(dek);
    for (const wchar_t* name : {L"notes.txt", L"broken.jpg", L"cut.gif", L"locked.bmp"}) {
        ASSERT_TRUE(dropper.Drop({folder / L"incoming\\" + name})) << name;
        ASSERT_TRUE(Settled(dek.main)) << name;
        EXPECT_FALSE(PositionDialogOpen(dek.program)) << name;
        EXPECT_EQ(FolderNames(folder.Wall()), std::vector<std::wstring>{L"keep.bmp"}) << name;
        EXPECT_EQ(FolderNames(folder.Dat()), std::vector<std::wstring>{L"keep.bmp.dat"}) << name;
        EXPECT_EQ(ListRows(dek.Control(dek::List1)), rows) << name;
        EXPECT_TRUE(FolderNames(folder.Saver()).empty()) << name;
    }
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\keep.bmp.dat"), "1\r\n");
}

TEST_F(CollectionAdd, ADroppedPathIsTakenWholeHoweverLong) {
    ProgramFolder folder(L"drop long");
    const std::wstring deep = folder / (L"incoming\\" + std::wstring(90, L'd') + L"\\" + std::wstring(50, L'p'));
    const std::wstring name = std::wstring(40, L'n') + L" 夜空.gif";
    WriteFile(deep + L"\\" + name, SkyGif());
    ASSERT_GT((deep + L"\\" + name).size(), 200u);
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    FileDropper dropper(dek);
    ASSERT_TRUE(dropper.Drop({deep + L"\\" + name}));
    HWND form4 = WaitForPositionDialog(dek.program);
    ASSERT_NE(form4, nullptr);
    Click(GetDlgItem(form4, dek::Form4Option1 + 2));  // 拡大
    EXPECT_TRUE(WaitFor([&] { return SelectedPosition(form4) == 2; }));
    ASSERT_TRUE(ClosedAfterOk(dek.program, form4));
    const std::wstring stored = std::wstring(40, L'n') + L" 夜空.bmp";
    EXPECT_TRUE(WaitFor([&] { return ListRows(dek.Control(dek::List1)) == std::vector{Row(L"拡", stored.c_str())}; }));
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\" + stored + L".dat"), "2\r\n");
}

TEST_F(CollectionAdd, PositionDialogHasThreeOptionsAndOkInItsKeyboardOrderAndStoresTheLastClickWhenClosedAnyWay) {
    ProgramFolder folder(L"position dialog");
    WriteFile(folder / L"incoming\\sea.bmp", MakeBitmap(4, 4, [](int, int) { return RGB(0, 0, 200); }));
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    FileDropper dropper(dek);
    ASSERT_TRUE(dropper.Drop({folder / L"incoming\\sea.bmp"}));
    HWND form4 = WaitForPositionDialog(dek.program);
    ASSERT_NE(form4, nullptr);
    EXPECT_EQ(WindowText(form4), L"壁紙の表示位置");

    // Keyboard order: 並べて表示, 中央に表示, OK, 拡大.
    std::vector<std::wstring> order;
    for (HWND child = GetWindow(form4, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        order.push_back(WindowText(child));
    }
    EXPECT_EQ(order, (std::vector<std::wstring>{L"並べて表示", L"中央に表示", L"OK", L"拡大"}));
    // On screen, top to bottom: the three options of equal width, OK below them.
    auto rect = [&](int id) { return WindowRectOf(GetDlgItem(form4, id)); };
    EXPECT_LT(rect(dek::Form4Option1 + 0).top, rect(dek::Form4Option1 + 1).top);
    EXPECT_LT(rect(dek::Form4Option1 + 1).top, rect(dek::Form4Option1 + 2).top);
    EXPECT_LT(rect(dek::Form4Option1 + 2).top, rect(dek::Form4Command1).top);
    EXPECT_EQ(rect(dek::Form4Option1 + 0).right - rect(dek::Form4Option1 + 0).left,
              rect(dek::Form4Option1 + 2).right - rect(dek::Form4Option1 + 2).left);

    // The options exclude each other across the keyboard groups; the last click counts, and the
    // close box stores it as OK does.
    Click(GetDlgItem(form4, dek::Form4Option1 + 2));
    EXPECT_TRUE(WaitFor([&] { return SelectedPosition(form4) == 2; }));
    Click(GetDlgItem(form4, dek::Form4Option1 + 0));
    EXPECT_TRUE(WaitFor([&] { return SelectedPosition(form4) == 0; }));
    EXPECT_FALSE(IsChecked(GetDlgItem(form4, dek::Form4Option1 + 2)));
    Click(GetDlgItem(form4, dek::Form4Option1 + 1));
    EXPECT_TRUE(WaitFor([&] { return SelectedPosition(form4) == 1; }));
    PostMessageW(form4, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !PositionDialogOpen(dek.program); }));
    EXPECT_TRUE(WaitFor([&] { return ListRows(dek.Control(dek::List1)) == std::vector{Row(L"並", L"sea.bmp")}; }));
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\sea.bmp.dat"), "1\r\n");
    EXPECT_TRUE(IsEnabled(dek.main));
}

// The dialog opens in the program folder (no "defdir" stored), so a bare name picks a file there.
// The name keeps its extension even while Explorer hides known extensions.
TEST_F(CollectionAdd, WallpaperAddButtonChoosesThroughTheOpenFileDialogAndAddsTheFile) {
    const wchar_t* advanced = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
    DWORD hideExt = 0;
    DWORD size = sizeof hideExt;
    const bool hadHideExt = RegGetValueW(HKEY_CURRENT_USER, advanced, L"HideFileExt", RRF_RT_REG_DWORD, nullptr,
                                         &hideExt, &size) == ERROR_SUCCESS;
    const DWORD hide = 1;
    RegSetKeyValueW(HKEY_CURRENT_USER, advanced, L"HideFileExt", REG_DWORD, &hide, sizeof hide);
    platform::ScopeExit restore([&] {
        if (hadHideExt) {
            RegSetKeyValueW(HKEY_CURRENT_USER, advanced, L"HideFileExt", REG_DWORD, &hideExt, sizeof hideExt);
        } else {
            platform::DeleteRegValue(HKEY_CURRENT_USER, advanced, L"HideFileExt");
        }
    });
    ProgramFolder folder(L"add wallpaper");
    const std::string sea = MakeBitmap(6, 6, [](int x, int) { return RGB(0, 100, x * 40); });
    WriteFile(folder / L"sea.bmp", sea);
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());

    Click(dek.Control(dek::Command1));
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (dialog = FindOpenDialog(dek.program, L"壁紙をリストに追加")) != nullptr; }));
    EXPECT_NE(FindControlByText(dialog, L"画像ファイル"), nullptr);
    ASSERT_TRUE(ChooseInOpenDialog(dek.program, L"壁紙をリストに追加", L"sea.bmp"));
    HWND form4 = WaitForPositionDialog(dek.program);
    ASSERT_NE(form4, nullptr);
    Click(GetDlgItem(form4, dek::Form4Option1 + 2));
    EXPECT_TRUE(WaitFor([&] { return SelectedPosition(form4) == 2; }));
    ASSERT_TRUE(ClosedAfterOk(dek.program, form4));
    EXPECT_TRUE(WaitFor([&] { return ListRows(dek.Control(dek::List1)) == std::vector{Row(L"拡", L"sea.bmp")}; }));
    EXPECT_EQ(ReadFile(folder.Wall() + L"\\sea.bmp"), sea);
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\sea.bmp.dat"), "2\r\n");

    // Cancelling adds nothing and asks nothing.
    Click(dek.Control(dek::Command1));
    ASSERT_TRUE(WaitFor([&] { return (dialog = FindOpenDialog(dek.program, L"壁紙をリストに追加")) != nullptr; }));
    Click(GetDlgItem(dialog, IDCANCEL));
    ASSERT_TRUE(WaitFor([&] { return FindOpenDialog(dek.program, L"壁紙をリストに追加") == nullptr; }));
    ASSERT_TRUE(Settled(dek.main));
    EXPECT_FALSE(PositionDialogOpen(dek.program));
    EXPECT_EQ(FolderNames(folder.Wall()), std::vector<std::wstring>{L"sea.bmp"});
    EXPECT_EQ(ListRows(dek.Control(dek::List1)), std::vector{Row(L"拡", L"sea.bmp")});

}

// "defdir" chooses where the dialog opens; a JPEG is converted and replaces a bitmap of the same
// name, whose record is written anew.
TEST_F(CollectionAdd, WallpaperAddButtonOpensInTheStoredFolderAndConvertsAJpeg) {
    ProgramFolder folder(L"add jpeg");
    WriteFile(folder / L"pictures\\photo.jpg", PhotoJpg());
    WriteFile(folder.Wall() + L"\\photo.bmp", MakeBitmap(2, 2, [](int, int) { return RGB(0, 0, 0); }));
    WriteFile(folder.Dat() + L"\\photo.bmp.dat", "2\r\n");
    SetDekSetting(L"defdir", folder / L"pictures");
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    Click(dek.Control(dek::Command1));
    ASSERT_TRUE(ChooseInOpenDialog(dek.program, L"壁紙をリストに追加", L"photo.jpg"));
    HWND form4 = WaitForPositionDialog(dek.program);
    ASSERT_NE(form4, nullptr);
    EXPECT_EQ(SelectedPosition(form4), -1);
    ASSERT_TRUE(ClosedAfterOk(dek.program, form4));
    EXPECT_TRUE(WaitFor([&] { return ListRows(dek.Control(dek::List1)) == std::vector{Row(L"全", L"photo.bmp")}; }));
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\photo.bmp.dat"), "0\r\n");
    platform::PictureLoad stored = platform::LoadPicture(folder.Wall() + L"\\photo.bmp");
    ASSERT_TRUE(stored.picture.has_value());
    EXPECT_EQ(stored.picture->Width(), 32);
    EXPECT_TRUE(ColoursNear(stored.picture->PixelAt(24, 24), RGB(240, 220, 40), 12));
    EXPECT_EQ(FolderNames(folder.Wall()), std::vector<std::wstring>{L"photo.bmp"});
}

// Choosing a wallpaper of the collection itself copies nothing (a file cannot be copied onto
// itself) but still asks for its position and writes its record anew.
TEST_F(CollectionAdd, AddingAWallpaperFromTheCollectionItselfSetsItsPositionAgain) {
    ProgramFolder folder(L"add same");
    const std::string sea = MakeBitmap(3, 3, [](int x, int y) { return RGB(x * 50, y * 50, 0); });
    WriteFile(folder.Wall() + L"\\sea.bmp", sea);
    WriteFile(folder.Dat() + L"\\sea.bmp.dat", "0\r\n");
    SetDekSetting(L"defdir", folder.Wall());
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());
    Click(dek.Control(dek::Command1));
    ASSERT_TRUE(ChooseInOpenDialog(dek.program, L"壁紙をリストに追加", L"sea.bmp"));
    HWND form4 = WaitForPositionDialog(dek.program);
    ASSERT_NE(form4, nullptr);
    Click(GetDlgItem(form4, dek::Form4Option1 + 1));
    EXPECT_TRUE(WaitFor([&] { return SelectedPosition(form4) == 1; }));
    ASSERT_TRUE(ClosedAfterOk(dek.program, form4));
    EXPECT_TRUE(WaitFor([&] { return ListRows(dek.Control(dek::List1)) == std::vector{Row(L"並", L"sea.bmp")}; }));
    EXPECT_EQ(ReadFile(folder.Dat() + L"\\sea.bmp.dat"), "1\r\n");
    EXPECT_EQ(ReadFile(folder.Wall() + L"\\sea.bmp"), sea);
}

TEST_F(CollectionAdd, ScreenSaverAddButtonCopiesTheChosenFileAndRefreshesTheListEvenWhenCancelled) {
    ProgramFolder folder(L"add saver");
    WriteFile(folder / L"savers\\night.scr", "night saver");
    SetDekSetting(L"defdir2", folder / L"savers");
    Dek dek(folder);
    ASSERT_TRUE(dek.WaitUntilRunning());

    Click(dek.Control(dek::Command5));
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (dialog = FindOpenDialog(dek.program, L"ｽｸﾘｰﾝｾｰﾊﾞｰをリストに追加")) != nullptr; }));
    EXPECT_NE(FindControlByText(dialog, L"ｽｸﾘｰﾝｾｰﾊﾞｰ"), nullptr);
    ASSERT_TRUE(ChooseInOpenDialog(dek.program, L"ｽｸﾘｰﾝｾｰﾊﾞｰをリストに追加", L"night.scr"));
    EXPECT_TRUE(WaitFor([&] { return ListRows(dek.Control(dek::File2)) == std::vector<std::wstring>{L"night.scr"}; }));
    EXPECT_EQ(ReadFile(folder.Saver() + L"\\night.scr"), "night saver");
    ASSERT_TRUE(Settled(dek.main));
    EXPECT_FALSE(PositionDialogOpen(dek.program));

    // A screen saver put into the folder by hand shows after a cancelled dialog.
    WriteFile(folder.Saver() + L"\\aurora.scr", "aurora");
    Click(dek.Control(dek::Command5));
    ASSERT_TRUE(WaitFor([&] { return (dialog = FindOpenDialog(dek.program, L"ｽｸﾘｰﾝｾｰﾊﾞｰをリストに追加")) != nullptr; }));
    Click(GetDlgItem(dialog, IDCANCEL));
    EXPECT_TRUE(WaitFor([&] {
        return ListRows(dek.Control(dek::File2)) == std::vector<std::wstring>{L"aurora.scr", L"night.scr"};
    }));
}

}  // namespace
