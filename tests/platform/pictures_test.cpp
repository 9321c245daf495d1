#include "platform/pictures.h"

#include <wincodec.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <tuple>

#include "tests/support/program_folder.h"

using namespace std::literals;
using dektest::ReadFile;

// 2 x 2: red, green (0, 255, 0) / white, blue; each pixel after a clear code.
const std::string kQuadGif =
    "GIF89a\x02\0\x02\0\x81\0\0\xff\0\0\0\xff\0\xff\xff\xff\0\0\xff"
    ",\0\0\0\0\x02\0\x02\0\0\x02\x04\x04\x43\x71\x05\0;"s;
static std::wstring Written(const std::wstring& path, std::string_view bytes) {
    dektest::WriteFile(path, bytes);
    return path;
}

TEST(Pictures, DecodedPixelsSurviveTheBitmapWrite) {
    dektest::ProgramFolder folder{L"pictures"};
    // Both in four quarters, left to right, top to bottom; the photograph 32 x 32.
    const std::tuple<const wchar_t*, std::string, int, int, std::array<COLORREF, 4>> files[] = {
        {L"quad.gif", kQuadGif, 2, 0, {RGB(255, 0, 0), RGB(0, 255, 0), RGB(255, 255, 255), RGB(0, 0, 255)}},
        {L"photo.jpg", dektest::TestPicture(L"photo.jpg"), 32, 12,
         {RGB(200, 40, 40), RGB(40, 160, 60), RGB(30, 60, 200), RGB(240, 220, 40)}}};
    for (const auto& [name, bytes, side, slack, want] : files) {
        const platform::PictureLoad load = platform::LoadPicture(Written(folder / name, bytes));
        ASSERT_TRUE(load.picture.has_value()) << std::hex << load.error;
        EXPECT_TRUE(load.picture->Width() == side && load.picture->Height() == side) << name;
        for (int i = 0; i < 4; ++i) {
            const COLORREF got = dektest::PixelOf(*load.picture, side / 4 + i % 2 * side / 2, side / 4 + i / 2 * side / 2);
            for (int shift : {0, 8, 16}) EXPECT_NEAR((got >> shift) & 0xff, (want[i] >> shift) & 0xff, slack) << name;
        }
    }
    const platform::Picture quad = platform::LoadPicture(folder / L"quad.gif").picture.value();
    ASSERT_EQ(platform::SaveBitmap(quad, folder / L"quad.bmp"), ERROR_SUCCESS);
    const std::string bytes = ReadFile(folder / L"quad.bmp");
    // Width 2, height 2 (rows bottom-up), one plane, 24 bits, no compression; rows of 8 bytes.
    EXPECT_EQ(bytes.substr(0, 2) + bytes.substr(18, 16), "BM\x02\0\0\0\x02\0\0\0\x01\0\x18\0\0\0\0\0"s);
    EXPECT_EQ(bytes.size(), 54u + 2 * 8);
    EXPECT_EQ(platform::LoadPicture(folder / L"quad.bmp").picture.value().Pixels(), quad.Pixels());
    // A save that fails leaves what was there: here another program holds the file open without sharing.
    const std::wstring locked = Written(folder / L"locked.bmp", "old content");
    platform::UniqueFile holder(CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_NE(platform::SaveBitmap(quad, locked), ERROR_SUCCESS);
    holder.reset();
    EXPECT_EQ(ReadFile(locked), "old content");
}

// A picture too large to hold is refused by its header, before a decoder could set memory aside.
TEST(Pictures, NoPictureOrAHugeOneIsRefusedUndecoded) {
    dektest::ProgramFolder folder{L"pictures"};
    // The photograph with a frame of 65500 x 65500.
    std::string jpeg = dektest::TestPicture(L"photo.jpg");
    jpeg.replace(jpeg.find("\xff\xc0") + 5, 4, "\xff\xdc\xff\xdc");
    const std::tuple<std::wstring, HRESULT, uint32_t> files[] = {
        {Written(folder / L"huge.jpg", jpeg), WINCODEC_ERR_IMAGESIZEOUTOFRANGE, 65500},
        {Written(folder / L"notes.jpg", "this is not a picture"), WINCODEC_ERR_UNKNOWNIMAGEFORMAT, 0},
        {folder / L"missing.gif", HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), 0}};
    for (const auto& [path, error, side] : files) {
        const auto start = std::chrono::steady_clock::now();
        const platform::PictureLoad load = platform::LoadPicture(path);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 1s) << path;
        EXPECT_FALSE(load.picture.has_value()) << path;
        EXPECT_EQ(load.error, error) << path;
        EXPECT_TRUE(load.declared.width == side && load.declared.height == side) << path;
    }
}
