// The platform's decisions without windows.h: picture sizes from headers, temporary names, twips, window places.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "platform/picture_size.h"
#include "platform/temporary_name.h"
#include "platform/window_placement.h"

using namespace platform;
using namespace std::string_literals;

static std::string Little(uint32_t value, int n) { return {reinterpret_cast<const char*>(&value), size_t(n)}; }
static std::string Big(uint32_t value, int n) { const std::string t = Little(value, n); return {t.rbegin(), t.rend()}; }
static std::string SizeOf(const std::string& file) {
    const auto size = ReadPictureSize([&](uint64_t at, size_t n) { return file.substr(std::min(at, file.size()), n); });
    return size ? std::to_string(size->width) + "x" + std::to_string(size->height) : "none";
}

TEST(PictureSize, FromTheHeadersOfBmpGifJpegAndPngAndNothingElse) {
    const std::string bmp = "BM" + std::string(12, '\0'), gif = "GIF89a" + Little(10, 2) + Little(10, 2);
    const std::string png = "\x89PNG\r\n\x1A\n" + Big(13, 4);
    const std::string jpeg = "\xFF\xD8\xFF\xE0" + Big(16, 2) + std::string(14, 'j');
    const std::pair<std::string, const char*> files[] = {
        {bmp + Little(40, 4) + Little(640, 4) + Little(-480, 4), "640x480"},  // rows top-down
        {bmp + Little(12, 4) + Little(300, 2) + Little(200, 2) + Little(0, 4), "300x200"},  // the oldest header
        {bmp + Little(40, 4) + Little(-5, 4) + Little(5, 4), "none"}, {bmp + Little(40, 4), "none"},
        {bmp + Little(40, 4) + Little(5, 4) + Little(0x80000000, 4), "none"},
        // A colour table, an extension, then the first image, which reaches beyond the screen.
        {gif + "\x81\0\0"s + std::string(12, 'c') + "!\xF9\x04" + "abcd" + '\0' + ',' + Little(5, 2) + Little(0, 2) +
             Little(20, 2) + Little(8, 2), "25x10"},
        {"GIF87a" + Little(300, 2) + Little(200, 2) + "\0\0\0,"s + std::string(9, '\0'), "300x200"},
        {gif + "\0\0\0!\xF9\x04"s + "abcd", "none"},
        // A fill byte, a table (C4) and a restart marker before the frame, whose height comes first.
        {jpeg + "\xFF\xFF\xC4" + Big(4, 2) + "hh\xFF\xD0\xFF\xC2" + Big(17, 2) + '\x08' + Big(480, 2) + Big(640, 2) +
             std::string(10, '\x01'), "640x480"},
        {jpeg + "\xFF\xD9", "none"}, {"\xFF\xD8\xFF\xE0" + Big(1, 2), "none"},
        {png + "IHDR" + Big(640, 4) + Big(480, 4), "640x480"}, {png + "IDAT" + Big(640, 4) + Big(480, 4), "none"},
        {"hello, this is no picture at all", "none"}, {"", "none"}};
    for (const auto& [file, size] : files) EXPECT_EQ(SizeOf(file), size) << file;
    // At most 16,384 pixels a side and 64 million in all.
    const std::tuple<uint32_t, uint32_t, bool> sizes[] = {{16384, 3906, true}, {8000, 8000, true}, {8001, 8000, false},
        {16385, 1, false}, {1, 16385, false}, {0, 5, false}, {5, 0, false}};
    for (const auto& [w, h, ok] : sizes) EXPECT_EQ(IsAcceptableSize({w, h}), ok) << w << "x" << h;
}

// Only names the writer makes count as its temporaries (tests/platform shows them taken): a user's file is never one.
TEST(TemporaryFileName, IsTheWritersPatternAndNothingElse) {
    for (auto name : {L"~dek-1.tmp", L"~dek1-2-3.tmp", L"~dek123456789-1.tmp", L"~DEK1-1.TMP", L"~dek1g-1.tmp.bmp"}) EXPECT_FALSE(IsTemporaryFileName(name)) << name;
}

TEST(WindowPlacement, TwipsRoundToPixelsAndAWindowIsCentredThenKeptInTheWorkAreaTitleBarFirst) {
    const std::tuple<int, int, int> twips[] = {{10200, 96, 680},   {8175, 96, 545}, {7, 96, 0},   {8, 96, 1},
                                               {10200, 144, 1020}, {255, 120, 21},  {15, 192, 2}, {-15, 96, -1}};
    for (const auto& [value, dpi, pixels] : twips) EXPECT_EQ(TwipsToPixels(value, dpi), pixels) << value << "@" << dpi;
    // The main window at 192 DPI (1294 x 1038 with its frame) on a 1280 x 1024 screen whose taskbar
    // takes the bottom 40 pixels: centring alone would put its title bar above the screen.
    const Box screen = {0, 0, 1280, 1024}, work = {0, 0, 1280, 984};
    EXPECT_EQ(Centred(1294, 1038, screen), (Spot{-7, -7}));
    EXPECT_EQ(WithinWorkArea(Centred(1294, 1038, screen), 1294, 1038, work), (Spot{0, 0}));
    EXPECT_EQ(WithinWorkArea(Centred(700, 600, screen), 700, 600, work), (Spot{290, 212}));
    // A second monitor to the left, and a work area that begins below a taskbar at the top.
    const Box left = {-1024, 0, 0, 768}, below = {-1024, 30, 0, 768};
    EXPECT_EQ(WithinWorkArea(Centred(700, 760, left), 700, 760, below), (Spot{-862, 30}));
    EXPECT_EQ(WithinWorkArea({-10, 700}, 700, 200, below), (Spot{-700, 568}));
}
