#include "changer/collection/collection_names.h"

#include <gtest/gtest.h>

namespace dek {
namespace {

using namespace std::string_literals;

TEST(FileTitle, IsTheLastPartOfThePathWithItsExtensionAsSpelt) {
    EXPECT_EQ(FileTitleOf(L"C:\\Pictures\\sea.bmp"), L"sea.bmp");
    EXPECT_EQ(FileTitleOf(L"C:\\My Pictures\\summer sky.GIF"), L"summer sky.GIF");
    EXPECT_EQ(FileTitleOf(L"\\\\server\\share\\夜空.jpg"), L"夜空.jpg");
    EXPECT_EQ(FileTitleOf(L"C:/mixed\\forms/night.scr"), L"night.scr");
    EXPECT_EQ(FileTitleOf(L"C:sea.bmp"), L"sea.bmp");
    EXPECT_EQ(FileTitleOf(L"sea.bmp"), L"sea.bmp");
    EXPECT_EQ(FileTitleOf(L"C:\\archive.tar.gz"), L"archive.tar.gz");
    EXPECT_EQ(FileTitleOf(L"C:\\folder\\"), L"");
    // Buffers from the platform end at their first NUL.
    EXPECT_EQ(FileTitleOf(L"C:\\a\\sea.bmp\0C:\\b\\other.gif"s), L"sea.bmp");
}

TEST(FileTitle, CutAtNulKeepsTextWithoutNulWhole) {
    EXPECT_EQ(CutAtNul(L"abc\0def"s), L"abc");
    EXPECT_EQ(CutAtNul(L"\0abc"s), L"");
    EXPECT_EQ(CutAtNul(L"abc"), L"abc");
    EXPECT_EQ(CutAtNul(L""), L"");
}

TEST(ConvertedName, OnlyALowerCaseBmpEndingIsCopiedEverythingElseBecomesDotBmp) {
    EXPECT_TRUE(IsBitmapName(L"sea.bmp"));
    EXPECT_FALSE(IsBitmapName(L"PHOTO.BMP"));
    EXPECT_FALSE(IsBitmapName(L"sea.jpg"));
    EXPECT_FALSE(IsBitmapName(L"bm"));
    EXPECT_TRUE(IsBitmapName(L"bmp"));

    EXPECT_EQ(ConvertedBitmapName(L"sea.jpg"), L"sea.bmp");
    EXPECT_EQ(ConvertedBitmapName(L"sky.GIF"), L"sky.bmp");
    EXPECT_EQ(ConvertedBitmapName(L"PHOTO.BMP"), L"PHOTO.bmp");
    EXPECT_EQ(ConvertedBitmapName(L"summer sky.gif"), L"summer sky.bmp");
    EXPECT_EQ(ConvertedBitmapName(L"x.j"), L"bmp");
    EXPECT_EQ(ConvertedBitmapName(L"ab"), L"bmp");
}

TEST(DropChoice, GoesByTheLastThreeCharactersWithoutRegardToCase) {
    EXPECT_EQ(DropKindOf(L"C:\\x\\night.scr"), DropKind::ScreenSaver);
    EXPECT_EQ(DropKindOf(L"C:\\x\\night.SCR"), DropKind::ScreenSaver);
    EXPECT_EQ(DropKindOf(L"C:\\x\\sky.GIF"), DropKind::Wallpaper);
    EXPECT_EQ(DropKindOf(L"C:\\x\\sea.bmp"), DropKind::Wallpaper);
    EXPECT_EQ(DropKindOf(L"C:\\x\\photo.Jpg"), DropKind::Wallpaper);
    EXPECT_EQ(DropKindOf(L"C:\\x\\notes.txt"), DropKind::Ignored);
    EXPECT_EQ(DropKindOf(L"C:\\x\\photo.jpeg"), DropKind::Ignored);
    EXPECT_EQ(DropKindOf(L"C:\\x\\gif.png"), DropKind::Ignored);
    // Only the ending counts, not a dot: a folder named "holiday-gif" is taken as a picture.
    EXPECT_EQ(DropKindOf(L"C:\\x\\holiday-gif"), DropKind::Wallpaper);
    EXPECT_EQ(DropKindOf(L"C:\\x\\scr\\"), DropKind::Ignored);
    EXPECT_EQ(DropKindOf(L"gi"), DropKind::Ignored);
    EXPECT_EQ(DropKindOf(L""), DropKind::Ignored);
}

TEST(ScreenSaverStart, QuotesTheWholePathAndPutsTheSwitchAfterOneBlank) {
    EXPECT_EQ(ScreenSaverCommandLine(L"C:\\Dek\\Saver", L"night.scr", L"/s"), L"\"C:\\Dek\\Saver\\night.scr\" /s");
    EXPECT_EQ(ScreenSaverCommandLine(L"C:\\Program Files\\Dek\\Saver", L"my saver.scr", L"/c"),
              L"\"C:\\Program Files\\Dek\\Saver\\my saver.scr\" /c");
}

}  // namespace
}  // namespace dek
