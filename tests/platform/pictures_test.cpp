#include "platform/pictures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/files.h"
#include "tests/support/program_folder.h"
#include "tests/support/test_pictures.h"

namespace {

namespace fs = std::filesystem;
using namespace dektest;

class Pictures : public testing::Test {
protected:
    void SetUp() override {
        folder_ = platform::TempFolder() + L"dek-tests\\pictures-" + std::to_wstring(GetCurrentProcessId());
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    std::wstring Write(const wchar_t* name, std::string_view bytes) {
        const std::wstring path = folder_ + L"\\" + name;
        WriteFile(path, bytes);
        return path;
    }
    std::wstring folder_;
};

TEST_F(Pictures, DecodesGifJpegAndBitmapFilesWithTheirOwnSizeAndColours) {
    platform::PictureLoad gif = platform::LoadPicture(Write(L"sky.gif", SkyGif()));
    ASSERT_TRUE(gif.picture.has_value()) << std::hex << gif.error;
    EXPECT_EQ(gif.picture->Width(), kSkyWidth);
    EXPECT_EQ(gif.picture->Height(), kSkyHeight);
    EXPECT_EQ(gif.picture->PixelAt(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(gif.picture->PixelAt(39, 0), RGB(0, 255, 0));
    EXPECT_EQ(gif.picture->PixelAt(0, 29), RGB(255, 255, 255));
    EXPECT_EQ(gif.picture->PixelAt(39, 29), RGB(0, 0, 255));

    platform::PictureLoad jpg = platform::LoadPicture(Write(L"photo.jpg", PhotoJpg()));
    ASSERT_TRUE(jpg.picture.has_value()) << std::hex << jpg.error;
    EXPECT_EQ(jpg.picture->Width(), 32);
    EXPECT_EQ(jpg.picture->Height(), 32);
    EXPECT_TRUE(ColoursNear(jpg.picture->PixelAt(8, 8), RGB(200, 40, 40), 12));
    EXPECT_TRUE(ColoursNear(jpg.picture->PixelAt(24, 8), RGB(40, 160, 60), 12));
    EXPECT_TRUE(ColoursNear(jpg.picture->PixelAt(8, 24), RGB(30, 60, 200), 12));
    EXPECT_TRUE(ColoursNear(jpg.picture->PixelAt(24, 24), RGB(240, 220, 40), 12));

    // A bitmap is stored bottom-up; an odd width pads its rows.
    const std::string bitmap = MakeBitmap(7, 5, [](int x, int y) { return RGB(x * 30, y * 50, 7); });
    platform::PictureLoad bmp = platform::LoadPicture(Write(L"odd.bmp", bitmap));
    ASSERT_TRUE(bmp.picture.has_value()) << std::hex << bmp.error;
    EXPECT_EQ(bmp.picture->Width(), 7);
    EXPECT_EQ(bmp.picture->Height(), 5);
    EXPECT_EQ(bmp.picture->PixelAt(0, 0), RGB(0, 0, 7));
    EXPECT_EQ(bmp.picture->PixelAt(6, 4), RGB(180, 200, 7));

    // The content decides, not the name.
    platform::PictureLoad named = platform::LoadPicture(Write(L"really-a-gif.jpg", SkyGif()));
    ASSERT_TRUE(named.picture.has_value());
    EXPECT_EQ(named.picture->PixelAt(39, 29), RGB(0, 0, 255));
}

TEST_F(Pictures, SavesA24BitWindowsBitmapThatDecodesToTheSamePixels) {
    platform::PictureLoad gif = platform::LoadPicture(Write(L"sky.gif", SkyGif()));
    ASSERT_TRUE(gif.picture.has_value());
    const std::wstring saved = folder_ + L"\\sky.bmp";
    ASSERT_EQ(platform::SaveBitmap(*gif.picture, saved), S_OK);

    const std::string bytes = ReadFile(saved);
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    auto u16 = [&](size_t at) { return static_cast<unsigned>(static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8); };
    auto i32 = [&](size_t at) { return static_cast<int32_t>(u16(at) | u16(at + 2) << 16); };
    EXPECT_EQ(i32(18), kSkyWidth);
    EXPECT_EQ(std::abs(i32(22)), kSkyHeight);
    EXPECT_EQ(u16(28), 24u);  // bits per pixel
    EXPECT_EQ(i32(30), BI_RGB);

    platform::PictureLoad again = platform::LoadPicture(saved);
    ASSERT_TRUE(again.picture.has_value());
    ASSERT_EQ(again.picture->Width(), kSkyWidth);
    ASSERT_EQ(again.picture->Height(), kSkyHeight);
    for (int y = 0; y < kSkyHeight; ++y) {
        for (int x = 0; x < kSkyWidth; ++x) {
            ASSERT_EQ(again.picture->PixelAt(x, y), gif.picture->PixelAt(x, y)) << x << "," << y;
        }
    }
}

TEST_F(Pictures, WhatCannotBeDecodedIsAFailureWithoutPicture) {
    for (const auto& [name, bytes] : {std::pair{L"broken.jpg", std::string_view("this is not a picture")},
                                      std::pair{L"empty.gif", std::string_view()},
                                      std::pair{L"cut.jpg", PhotoJpg().substr(0, 20)}}) {
        platform::PictureLoad load = platform::LoadPicture(Write(name, bytes));
        EXPECT_FALSE(load.picture.has_value()) << name;
        EXPECT_TRUE(FAILED(load.error)) << name;
    }
    platform::PictureLoad missing = platform::LoadPicture(folder_ + L"\\missing.gif");
    EXPECT_FALSE(missing.picture.has_value());
    EXPECT_TRUE(FAILED(missing.error));
}

TEST_F(Pictures, AFailedSaveLeavesWhatWasThereAndReportsTheFailure) {
    platform::PictureLoad gif = platform::LoadPicture(Write(L"sky.gif", SkyGif()));
    ASSERT_TRUE(gif.picture.has_value());

    EXPECT_TRUE(FAILED(platform::SaveBitmap(*gif.picture, folder_ + L"\\no such folder\\sky.bmp")));

    // A file held open without sharing by another program cannot be replaced; it stays whole.
    const std::wstring locked = Write(L"locked.bmp", "old content");
    platform::UniqueFile holder(CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    EXPECT_TRUE(FAILED(platform::SaveBitmap(*gif.picture, locked)));
    holder.reset();
    EXPECT_EQ(ReadFile(locked), "old content");
}

}  // namespace
