#include "platform/pictures.h"

#include <wincodec.h>

#include <gtest/gtest.h>

#include <chrono>
#include <tuple>
#include <vector>

#include "tests/support/program_folder.h"
#include "tests/support/test_pictures.h"

namespace {

using namespace std::literals;
using dektest::ReadFile;

// 2 x 2: red, green (0, 255, 0) / white, blue; each pixel after a clear code.
constexpr std::string_view kQuadGif =
    "GIF89a\x02\0\x02\0\x81\0\0\xff\0\0\0\xff\0\xff\xff\xff\0\0\xff"  // 2 x 2, four colours
    ",\0\0\0\0\x02\0\x02\0\0\x02\x04\x04\x43\x71\x05\0;"sv;
std::wstring Written(const std::wstring& path, std::string_view bytes) {
    dektest::WriteFile(path, bytes);
    return path;
}

TEST(Pictures, DecodeGifAndJpegWithTheirColoursAndSaveA24BitBitmapThatDecodesToTheSamePixels) {
    dektest::ProgramFolder folder{L"pictures"};
    using Pixels = std::vector<std::tuple<int, int, COLORREF>>;
    // The photograph: 32 x 32 in four 16 x 16 quarters.
    const std::tuple<const wchar_t*, std::string, int, int, Pixels> files[] = {
        {L"quad.gif", std::string(kQuadGif), 2, 0,
         {{0, 0, RGB(255, 0, 0)}, {1, 0, RGB(0, 255, 0)}, {0, 1, RGB(255, 255, 255)}, {1, 1, RGB(0, 0, 255)}}},
        {L"photo.jpg", dektest::TestPicture(L"photo.jpg"), 32, 12, {{8, 8, RGB(200, 40, 40)}, {24, 8, RGB(40, 160, 60)},
                                           {8, 24, RGB(30, 60, 200)}, {24, 24, RGB(240, 220, 40)}}}};
    for (const auto& [name, bytes, side, tolerance, pixels] : files) {
        const platform::PictureLoad load = platform::LoadPicture(Written(folder / name, bytes));
        ASSERT_TRUE(load.picture.has_value()) << std::hex << load.error;
        EXPECT_TRUE(load.picture->Width() == side && load.picture->Height() == side) << name;
        for (const auto& [x, y, want] : pixels) {
            const COLORREF got = load.picture->PixelAt(x, y);
            for (int shift : {0, 8, 16}) EXPECT_NEAR((got >> shift) & 0xff, (want >> shift) & 0xff, tolerance) << name;
        }
    }
    const platform::Picture quad = platform::LoadPicture(folder / L"quad.gif").picture.value();
    ASSERT_EQ(platform::SaveBitmap(quad, folder / L"quad.bmp"), ERROR_SUCCESS);
    const std::string bytes = ReadFile(folder / L"quad.bmp");
    // Width 2, height 2 (rows bottom-up), one plane, 24 bits, no compression; rows of 8 bytes.
    EXPECT_EQ(bytes.substr(0, 2) + bytes.substr(18, 16), "BM\x02\0\0\0\x02\0\0\0\x01\0\x18\0\0\0\0\0"s);
    EXPECT_EQ(bytes.size(), 54u + 2 * 8);
    EXPECT_EQ(platform::LoadPicture(folder / L"quad.bmp").picture.value().Pixels(), quad.Pixels());
    // A save that fails leaves what was there, even a file another program holds open without sharing.
    EXPECT_NE(platform::SaveBitmap(quad, folder / L"no such folder\\quad.bmp"), ERROR_SUCCESS);
    const std::wstring locked = Written(folder / L"locked.bmp", "old content");
    platform::UniqueFile holder(CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_NE(platform::SaveBitmap(quad, locked), ERROR_SUCCESS);
    holder.reset();
    EXPECT_EQ(ReadFile(locked), "old content");
}

// A picture too large to hold is refused by its header, before a decoder could set memory aside.
TEST(Pictures, WhatIsNoPictureOrDeclaresAHugeSizeIsRefusedAtOnceWithTheReasonAndTheSize) {
    dektest::ProgramFolder folder{L"pictures"};
    // Start of image, JFIF, a quantization table, a frame of 65500 x 65500, end of image.
    const std::string jpeg = "\xff\xd8\xff\xe0\0\x10JFIF\0\x01\x01\0\0\x01\0\x01\0\0\xff\xdb\0\x43\0"s +
                             std::string(64, 1) + "\xff\xc0\0\x11\x08\xff\xdc\xff\xdc\x03\x01\x11\0\x02\x11\x01"s +
                             "\x03\x11\x01\xff\xd9";
    // File header, then an information header of 20000 x 20000 at 24 bits.
    const std::string bmp =
        "BM\0\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x20\x4e\0\0\x20\x4e\0\0\x01\0\x18\0"s + std::string(24, 0);
    const std::tuple<std::wstring, HRESULT, uint32_t> files[] = {
        {Written(folder / L"huge.jpg", jpeg), WINCODEC_ERR_IMAGESIZEOUTOFRANGE, 65500},
        {Written(folder / L"huge.bmp", bmp), WINCODEC_ERR_IMAGESIZEOUTOFRANGE, 20000},
        {Written(folder / L"notes.jpg", "this is not a picture"), WINCODEC_ERR_UNKNOWNIMAGEFORMAT, 0},
        {Written(folder / L"empty.gif", ""), WINCODEC_ERR_UNKNOWNIMAGEFORMAT, 0},
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

}  // namespace
