#include "changer/collection/collection_names.h"

#include <gtest/gtest.h>

namespace dek {
namespace {

using namespace std::string_literals;

TEST(FileTitle, IsTheLastPartOfThePathAsSpeltUpToTheFirstNul) {
    EXPECT_EQ(FileTitleOf(L"C:\\My Pictures\\summer sky.GIF"), L"summer sky.GIF");
    EXPECT_EQ(FileTitleOf(L"\\\\server\\share\\夜空.jpg"), L"夜空.jpg");
    EXPECT_EQ(FileTitleOf(L"C:/mixed\\forms/night.scr"), L"night.scr");
    EXPECT_EQ(FileTitleOf(L"C:sea.bmp"), L"sea.bmp");
    EXPECT_EQ(FileTitleOf(L"sea.bmp"), L"sea.bmp");
    EXPECT_EQ(FileTitleOf(L"C:\\archive.tar.gz"), L"archive.tar.gz");
    EXPECT_EQ(FileTitleOf(L"C:\\a\\sea.bmp\0C:\\b\\other.gif"s), L"sea.bmp");
    EXPECT_EQ(CutAtNul(L"\0abc"s), L"");
    EXPECT_EQ(CutAtNul(L"abc"), L"abc");
}

TEST(ConvertedName, OnlyALowerCaseBmpEndingIsCopiedEverythingElseBecomesBmp) {
    EXPECT_TRUE(IsBitmapName(L"sea.bmp"));
    EXPECT_FALSE(IsBitmapName(L"PHOTO.BMP"));
    EXPECT_FALSE(IsBitmapName(L"sea.jpg"));
    EXPECT_FALSE(IsBitmapName(L"bm"));
    EXPECT_EQ(ConvertedBitmapName(L"sky.GIF"), L"sky.bmp");
    EXPECT_EQ(ConvertedBitmapName(L"PHOTO.BMP"), L"PHOTO.bmp");
    EXPECT_EQ(ConvertedBitmapName(L"summer sky.gif"), L"summer sky.bmp");
    EXPECT_EQ(ConvertedBitmapName(L"ab"), L"bmp");
}

TEST(DropChoice, GoesByTheLastThreeCharactersWithoutRegardToCase) {
    EXPECT_EQ(DropKindOf(L"C:\\x\\night.SCR"), DropKind::ScreenSaver);
    EXPECT_EQ(DropKindOf(L"C:\\x\\sky.GIF"), DropKind::Wallpaper);
    EXPECT_EQ(DropKindOf(L"C:\\x\\sea.bmp"), DropKind::Wallpaper);
    EXPECT_EQ(DropKindOf(L"C:\\x\\photo.Jpg"), DropKind::Wallpaper);
    EXPECT_EQ(DropKindOf(L"C:\\x\\notes.txt"), DropKind::Ignored);
    EXPECT_EQ(DropKindOf(L"C:\\x\\photo.jpeg"), DropKind::Ignored);
    // Only the ending counts, not a dot.
    EXPECT_EQ(DropKindOf(L"C:\\x\\holiday-gif"), DropKind::Wallpaper);
    EXPECT_EQ(DropKindOf(L"gi"), DropKind::Ignored);
}

}  // namespace
}  // namespace dek
