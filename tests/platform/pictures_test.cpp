#include "platform/pictures.h"

#include <wincodec.h>

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "platform/picture_extensions.h"
#include "platform/picture_formats.h"
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

// Which of photo.jpg's colours (or white) lies nearest the middle of each quarter: "RG/BY" for it.
static std::string Quarters(const platform::Picture& picture) {
    const std::pair<char, COLORREF> colours[] = {{'R', RGB(200, 40, 40)}, {'G', RGB(40, 160, 60)},
        {'B', RGB(30, 60, 200)}, {'Y', RGB(240, 220, 40)}, {'W', RGB(255, 255, 255)}};
    std::string quarters;
    for (int i = 0; i < 4; ++i) {
        const COLORREF got = dektest::PixelOf(picture, picture.Width() / 4 + i % 2 * picture.Width() / 2, picture.Height() / 4 + i / 2 * picture.Height() / 2);
        auto distance = [&](COLORREF c) { int d = 0; for (int s : {0, 8, 16}) d += abs(int(got >> s & 0xff) - int(c >> s & 0xff)); return d; };
        quarters += i == 2 ? "/" : "";
        quarters += std::min_element(std::begin(colours), std::end(colours), [&](auto& a, auto& b) { return distance(a.second) < distance(b.second); })->first;
    }
    return quarters;
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
        EXPECT_EQ(std::pair(load.picture->Width(), load.picture->Height()), std::pair(side, side)) << name;
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

TEST(Pictures, PngTiffAndJpegXrDecodeOverTheDesktopColour) {
    dektest::ProgramFolder folder{L"pictures"};
    const int desktop = COLOR_DESKTOP;
    const COLORREF teal = RGB(0, 128, 128), before = GetSysColor(desktop);
    ASSERT_TRUE(SetSysColors(1, &desktop, &teal));
    const platform::ScopeExit restore([&] { SetSysColors(1, &desktop, &before); });
    // alpha.png in quarters: opaque red, white half covering, clear, opaque blue; pages.tif: the
    // four colours of photo.jpg, then a white page.
    const platform::PictureLoad loads[] = {
        platform::LoadPicture(Written(folder / L"alpha.png", dektest::TestPicture(L"alpha.png"))),
        platform::LoadPicture(Written(folder / L"pages.tif", dektest::TestPicture(L"pages.tif"))),
        platform::LoadPicture(Written(folder / L"photo.jxr", dektest::TestPicture(L"photo.jxr")))};
    for (const platform::PictureLoad& load : loads) ASSERT_TRUE(load.picture.has_value()) << std::hex << load.error;
    const platform::Picture& alpha = *loads[0].picture;
    EXPECT_EQ(dektest::PixelOf(alpha, 4, 4), RGB(200, 40, 40));
    EXPECT_EQ(dektest::PixelOf(alpha, 12, 4), RGB(128, 192, 192)) << "white half over teal";
    EXPECT_EQ(dektest::PixelOf(alpha, 4, 12), teal);
    EXPECT_EQ(dektest::PixelOf(alpha, 12, 12), RGB(30, 60, 200));
    EXPECT_EQ(Quarters(*loads[1].picture), "RG/BY") << "the first of two pages";
    EXPECT_EQ(Quarters(*loads[2].picture), "RG/BY");
}

// A camera writes the orientation instead of turning the pixels; the quarters land where the photo shows them.
TEST(Pictures, APhotoIsTurnedAsItsExifOrientationSays) {
    dektest::ProgramFolder folder{L"pictures"};
    const std::string photo = dektest::TestPicture(L"photo.jpg");
    const char* shown[] = {"RG/BY", "GR/YB", "YB/GR", "BY/RG", "RB/GY", "BR/YG", "YG/BR", "GY/RB"};
    for (char orientation = 1; orientation <= 8; ++orientation) {
        // "Exif", then a big-endian TIFF directory of one field: orientation, SHORT, one value.
        const std::string exif = "Exif\0\0MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0"s + orientation + "\0\0\0\0\0\0"s;
        const std::string file = photo.substr(0, 2) + "\xFF\xE1\0"s + char(exif.size() + 2) + exif + photo.substr(2);
        const platform::PictureLoad load = platform::LoadPicture(Written(folder / L"turned.jpg", file));
        ASSERT_TRUE(load.picture.has_value()) << std::hex << load.error;
        EXPECT_EQ(Quarters(*load.picture), shown[orientation - 1]) << int(orientation);
    }
}

// A picture too large to hold is refused by its header, before a decoder could set memory aside;
// a kind without a header we read, by its decoder's size before any pixel is decoded.
TEST(Pictures, NoPictureOrAHugeOneIsRefusedUndecoded) {
    dektest::ProgramFolder folder{L"pictures"};
    // The photograph with a frame of 65500 x 65500.
    std::string jpeg = dektest::TestPicture(L"photo.jpg");
    jpeg.replace(jpeg.find("\xff\xc0") + 5, 4, "\xff\xdc\xff\xdc");
    // An icon of one pixel: Wine reads it, a wallpaper it is not.
    const std::string icon = "\0\0\1\0\1\0\1\1\0\0\1\0\x20\0\x30\0\0\0\x16\0\0\0(\0\0\0\1\0\0\0\2\0\0\0\1\0\x20\0"s + std::string(32, '\0');
    const std::tuple<std::wstring, HRESULT, uint32_t, uint32_t> files[] = {
        {Written(folder / L"huge.jpg", jpeg), WINCODEC_ERR_IMAGESIZEOUTOFRANGE, 65500, 65500},
        {Written(folder / L"wide.jxr", dektest::TestPicture(L"wide.jxr")), WINCODEC_ERR_IMAGESIZEOUTOFRANGE, 16400, 8},
        {Written(folder / L"notes.jpg", "this is not a picture"), WINCODEC_ERR_UNKNOWNIMAGEFORMAT, 0, 0},
        {Written(folder / L"dot.ico", icon), WINCODEC_ERR_UNKNOWNIMAGEFORMAT, 0, 0},
        {folder / L"missing.gif", HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), 0, 0}};
    for (const auto& [path, error, width, height] : files) {
        const platform::PictureLoad load = platform::LoadPicture(path);
        EXPECT_FALSE(load.picture.has_value()) << path;
        EXPECT_EQ(load.error, error) << path;
        EXPECT_EQ(load.declared.width, width) << path;
        EXPECT_EQ(load.declared.height, height) << path;
    }
}
