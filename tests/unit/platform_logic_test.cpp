// The platform's decisions without windows.h: picture sizes and orientations from file headers,
// the kinds of picture taken, pixels laid over a colour and turned upright, temporary names, twips,
// window places.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>

#include "platform/photo_orientation.h"
#include "platform/picture_extensions.h"
#include "platform/picture_size.h"
#include "platform/pixel_rows.h"
#include "platform/temporary_name.h"
#include "platform/window_placement.h"

using namespace platform;
using namespace std::string_literals;

static std::string Little(uint32_t value, int n) { return {reinterpret_cast<const char*>(&value), size_t(n)}; }
static std::string Big(uint32_t value, int n) { const std::string t = Little(value, n); return {t.rbegin(), t.rend()}; }
static ReadAt Reader(const std::string& file) {
    return [&file](uint64_t at, size_t n) { return file.substr(std::min<uint64_t>(at, file.size()), n); };
}
static std::string SizeOf(const std::string& file) {
    const auto size = ReadPictureSize(Reader(file));
    return size ? std::to_string(size->width) + "x" + std::to_string(size->height) : "none";
}
// A TIFF structure whose first directory holds the fields {tag, type (3 SHORT, 4 LONG), count, value}.
static std::string Tiff(bool little, std::initializer_list<std::array<uint32_t, 4>> fields) {
    auto n = [&](uint32_t value, int bytes) { return little ? Little(value, bytes) : Big(value, bytes); };
    std::string tiff = (little ? "II*"s + '\0' : "MM\0*"s) + n(8, 4) + n(uint32_t(fields.size()), 2);
    for (const auto& [tag, type, count, value] : fields) {
        tiff += n(tag, 2) + n(type, 2) + n(count, 4) + (type == 3 ? n(value, 2) + "\0\0"s : n(value, 4));
    }
    return tiff + n(0, 4);
}

TEST(PictureHeaders, GiveTheSizeOfBmpGifJpegPngAndTiffOnly) {
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
        {Tiff(true, {{256, 3, 1, 640}, {257, 4, 1, 480}}), "640x480"}, {Tiff(false, {{257, 3, 1, 200}, {256, 4, 1, 300}}), "300x200"},
        {Tiff(true, {{256, 3, 1, 640}, {257, 5, 1, 480}}), "none"}, {Tiff(false, {{256, 3, 1, 640}}).substr(0, 20), "none"},
        {"hello, this is no picture at all", "none"}, {"", "none"}};
    for (const auto& [file, size] : files) EXPECT_EQ(SizeOf(file), size) << file;
    // At most 16,384 pixels a side and 64 million in all.
    const std::tuple<uint32_t, uint32_t, bool> sizes[] = {{16384, 3906, true}, {8000, 8000, true}, {8001, 8000, false},
        {16385, 1, false}, {1, 16385, false}, {0, 5, false}, {5, 0, false}};
    for (const auto& [w, h, ok] : sizes) EXPECT_EQ(IsAcceptableSize({w, h}), ok) << w << "x" << h;
}

TEST(PhotoOrientation, ComesFromTheExifBeforeTheFrameOrATiffsFirstDirectory) {
    const auto jpeg = [](const std::string& segments) { return "\xFF\xD8\xFF\xE0"s + Big(16, 2) + std::string(14, 'j') + segments + "\xFF\xDA"; };
    const auto app1 = [](const std::string& body) { return "\xFF\xE1" + Big(uint32_t(body.size() + 2), 2) + body; };
    const auto exif = [&](const std::string& tiff) { return app1("Exif\0\0"s + tiff); };
    const std::pair<std::string, int> files[] = {
        {jpeg(exif(Tiff(false, {{0x0112, 3, 1, 6}}))), 6},
        {jpeg(app1("http://ns.adobe.com/xap/1.0/\0<x/>"s) + exif(Tiff(true, {{0x0100, 3, 1, 9}, {0x0112, 3, 1, 8}}))), 8},
        {jpeg("\xFF\xC0" + Big(17, 2) + std::string(15, '\1') + exif(Tiff(true, {{0x0112, 3, 1, 6}}))), 1},  // after the frame
        {jpeg(exif(Tiff(true, {{0x0112, 3, 2, 6}}))), 1}, {jpeg(exif(Tiff(true, {{0x0112, 3, 1, 9}}))), 1},
        {jpeg(app1("Exif\0\0")), 1}, {Tiff(true, {{0x0112, 3, 1, 3}}), 3}, {Tiff(false, {{0x0112, 4, 1, 5}}), 5},
        {Tiff(true, {{0x0112, 3, 1, 3}}).substr(0, 20), 1}, {"GIF89a", 1}};
    for (const auto& [file, orientation] : files) EXPECT_EQ(ReadPhotoOrientation(Reader(file)), orientation) << file;
}

// Which of the eight ways turns a photo where is shown on real photos (tests/platform).
TEST(Transparency, IsLaidOverTheColourByItsAlpha) {
    PixelRows picture{3, 2, std::vector<uint8_t>(BitmapStride(3) * 2)};
    // Blue, green, red, alpha: clear, half and wholly covering, over red 200, green 100, blue 0.
    const uint8_t bgra[] = {10, 20, 30, 0, 255, 255, 255, 128, 10, 20, 30, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    LayOver(bgra, {200, 100, 0}, picture);
    EXPECT_EQ(std::vector(picture.bytes.begin(), picture.bytes.begin() + 9), (std::vector<uint8_t>{0, 100, 200, 128, 178, 228, 10, 20, 30}));
}

TEST(PictureExtensions, TakesOurKindsInOurOrder) {
    // As Windows and Wine word them; icons, DirectDraw surfaces, Targa, raw files and sequences are not taken.
    const std::wstring lists[] = {L".ico,.icon", L".TIFF,.TIF", L".jpeg,.jpe,.jpg,.jfif,.exif", L".png", L".dds",
        L".tga;.tpic", L".bmp,.dib,.rle", L".gif", L".heic,.heif,.hif,.avci,.heics,.avif,.avifs", L" .webp ", L".dng"};
    const std::vector<std::wstring> taken = TakenPictureExtensions(lists);
    EXPECT_EQ(PictureFilterPattern(taken), L"*.bmp;*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.png;*.tif;*.tiff;*.webp;*.heic;*.heif;*.hif;*.avif");
    EXPECT_EQ(PictureKindNames(taken), L"BMP、GIF、JPEG、PNG、TIFF、WebP、HEIF、AVIF");
}

// Only names the writer makes count as its temporaries (tests/platform shows them taken): a user's file is never one.
TEST(TemporaryFileName, IsTheWritersPatternAndNothingElse) {
    for (auto name : {L"~dek-1.tmp", L"~dek1-2-3.tmp", L"~dek123456789-1.tmp", L"~DEK1-1.TMP", L"~dek1g-1.tmp.bmp"}) EXPECT_FALSE(IsTemporaryFileName(name)) << name;
}

TEST(WindowPlacement, WindowsAreCentredWithTheTitleBarInReach) {
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
