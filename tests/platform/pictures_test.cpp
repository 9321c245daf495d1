#include "platform/pictures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <tuple>

#include "platform/files.h"
#include "tests/support/program_folder.h"
#include "tests/support/test_pictures.h"

namespace {

namespace fs = std::filesystem;
using namespace dektest;

class Pictures : public testing::Test {
protected:
    void SetUp() override { fs::create_directories(folder_); }
    void TearDown() override { fs::remove_all(folder_, ignored_); }
    std::wstring Write(const wchar_t* name, std::string_view bytes) {
        WriteFile(folder_ + L"\\" + name, bytes);
        return folder_ + L"\\" + name;
    }
    // Decodes the file and checks its size and some pixels, each channel within `tolerance`.
    void ExpectPicture(const std::wstring& path, int width, int height, int tolerance,
                       std::initializer_list<std::tuple<int, int, COLORREF>> pixels) {
        const platform::PictureLoad load = platform::LoadPicture(path);
        ASSERT_TRUE(load.picture.has_value()) << std::hex << load.error;
        EXPECT_EQ(load.picture->Width(), width);
        EXPECT_EQ(load.picture->Height(), height);
        for (const auto& [x, y, want] : pixels) {
            const COLORREF got = load.picture->PixelAt(x, y);
            for (int shift : {0, 8, 16}) EXPECT_NEAR((got >> shift) & 0xff, (want >> shift) & 0xff, tolerance) << x << "," << y;
        }
    }
    const std::wstring folder_ = platform::TempFolder() + L"dek-tests\\pictures-" + std::to_wstring(GetCurrentProcessId());
    std::error_code ignored_;
};

TEST_F(Pictures, DecodesGifJpegAndBitmapWithTheirOwnSizeAndColours) {
    ExpectPicture(Write(L"sky.gif", SkyGif()), kSkyWidth, kSkyHeight, 0,
                  {{0, 0, RGB(255, 0, 0)}, {39, 0, RGB(0, 255, 0)}, {0, 29, RGB(255, 255, 255)}, {39, 29, RGB(0, 0, 255)}});
    ExpectPicture(Write(L"photo.jpg", PhotoJpg()), 32, 32, 12,
                  {{8, 8, RGB(200, 40, 40)}, {24, 8, RGB(40, 160, 60)}, {8, 24, RGB(30, 60, 200)}, {24, 24, RGB(240, 220, 40)}});
    // Stored bottom-up, its rows padded for an odd width.
    ExpectPicture(Write(L"odd.bmp", MakeBitmap(7, 5, [](int x, int y) { return RGB(x * 30, y * 50, 7); })), 7, 5, 0,
                  {{0, 0, RGB(0, 0, 7)}, {6, 4, RGB(180, 200, 7)}});
}

TEST_F(Pictures, SavesA24BitWindowsBitmapThatDecodesToTheSamePixels) {
    const platform::PictureLoad gif = platform::LoadPicture(Write(L"sky.gif", SkyGif()));
    ASSERT_TRUE(gif.picture.has_value());
    const std::wstring saved = folder_ + L"\\sky.bmp";
    ASSERT_EQ(platform::SaveBitmap(*gif.picture, saved), ERROR_SUCCESS);
    const std::string bytes = ReadFile(saved);
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    BITMAPINFOHEADER info;
    std::memcpy(&info, bytes.data() + sizeof(BITMAPFILEHEADER), sizeof info);
    EXPECT_EQ(info.biWidth, kSkyWidth);
    EXPECT_EQ(std::abs(info.biHeight), kSkyHeight);
    EXPECT_EQ(info.biBitCount, 24);
    EXPECT_EQ(info.biCompression, static_cast<DWORD>(BI_RGB));
    const platform::PictureLoad again = platform::LoadPicture(saved);
    ASSERT_TRUE(again.picture.has_value());
    EXPECT_EQ(again.picture->Pixels(), gif.picture->Pixels());
}

TEST_F(Pictures, WhatCannotBeDecodedOrSavedIsAFailureThatLeavesWhatWasThere) {
    for (const auto& [name, bytes] : {std::pair{L"broken.jpg", std::string_view("this is not a picture")},
                                      std::pair{L"empty.gif", std::string_view()},
                                      std::pair{L"cut.jpg", PhotoJpg().substr(0, 20)}}) {
        const platform::PictureLoad load = platform::LoadPicture(Write(name, bytes));
        EXPECT_FALSE(load.picture.has_value()) << name;
        EXPECT_TRUE(FAILED(load.error)) << name;
    }
    EXPECT_TRUE(FAILED(platform::LoadPicture(folder_ + L"\\missing.gif").error));

    const platform::PictureLoad gif = platform::LoadPicture(Write(L"sky.gif", SkyGif()));
    ASSERT_TRUE(gif.picture.has_value());
    EXPECT_NE(platform::SaveBitmap(*gif.picture, folder_ + L"\\no such folder\\sky.bmp"), ERROR_SUCCESS);
    // A file held open without sharing by another program cannot be replaced; it stays whole.
    const std::wstring locked = Write(L"locked.bmp", "old content");
    platform::UniqueFile holder(CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    EXPECT_NE(platform::SaveBitmap(*gif.picture, locked), ERROR_SUCCESS);
    holder.reset();
    EXPECT_EQ(ReadFile(locked), "old content");
}

}  // namespace
