// The collection's rules: names of files entering it, display records, list rows, random picks.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "changer/collection/collection_names.h"
#include "changer/collection/display_record.h"
#include "changer/collection/shelf.h"
#include "changer/collection/wall_rows.h"
#include "changer/desktop/change_rules.h"

using namespace dek;
using namespace std::string_literals;

TEST(CollectionNames, TitleUpToTheFirstNulCaseSensitiveBmpAndTheDropKindByTheLastThreeCharactersOrAReadableExtension) {
    // The fuzzer proves a title a tail without "\", "/" or ":" up to the first NUL, and which names end in "bmp".
    const std::pair<std::wstring, const wchar_t*> titles[] = {
        {L"C:\\My Pictures\\summer sky.GIF", L"summer sky.GIF"}, {L"\\\\server\\share\\夜空.jpg", L"夜空.jpg"},
        {L"C:/a\\b/night.scr", L"night.scr"}, {L"C:\\a\\sea.bmp\0C:\\b\\other.gif"s, L"sea.bmp"}};
    for (const auto& [path, title] : titles) EXPECT_EQ(FileTitleOf(path), title) << path;
    constexpr DropKind Wall = DropKind::Wallpaper, Saver = DropKind::ScreenSaver, None = DropKind::Ignored;
    const std::tuple<std::wstring, const wchar_t*, DropKind> names[] = {
        {L"PHOTO.BMP", L"PHOTO.bmp", Wall}, {L"sky.GIF", L"sky.bmp", Wall}, {L"photo.Jpg", L"photo.bmp", Wall},
        {L"night.SCR", L"night.bmp", Saver}, {L"notes.txt", L"notes.bmp", None}, {L"photo.jpeg", L"photo.bmp", Wall},
        {L"scan.TIFF", L"scan.bmp", Wall}, {L"cat.webp", L"cat.bmp", None}, {L"a.b.png", L"a.b.bmp", Wall},
        {L"holiday-gif", L"holiday-bmp", Wall}, {L"holiday-png", L"holiday-bmp", None}, {L"gi", L"bmp", None}};
    const std::wstring readable[] = {L"bmp", L"gif", L"jpg", L"jpeg", L"png", L"tiff"};  // no WebP decoder here
    for (const auto& [name, converted, drop] : names) {
        EXPECT_EQ(IsBitmapName(name), name == converted) << name;  // copied as it is, or converted
        EXPECT_EQ(ConvertedBitmapName(name), converted) << name;
        EXPECT_EQ(DropKindOf(L"C:\\x\\" + name, readable), drop) << name;
    }
}

TEST(DisplayRecord, TheFirstNumberHalvesToEvenElseCenterWrittenAsNumberCrLfAndAnyOtherThanCenterOrTileIsStretched) {
    // The fuzzer proves a whole number before ",", CR or LF read as itself, and any record written read back.
    const std::pair<const char*, DisplayPosition> records[] = {
        {"  2 7\r\n", 2}, {"1.5\r\n", 2}, {"2.5\r\n", 2}, {"-2.5\r\n", -2}, {"0.4\r\n", 0}, {"1.6\r\n", 2},
        {"", 0}, {"\r\n", 0}, {"x\r\n", 0}, {"1x\r\n", 0}, {"-\r\n", 0}, {".\r\n", 0}, {",1\r\n", 0}, {"1e2\r\n", 0},
        {"32768\r\n", 0}, {"-32769\r\n", 0}, {"99999999999999999999\r\n", 0}, {"\xEF\xBB\xBF" "1\r\n", 0}};
    for (const auto& [text, position] : records) EXPECT_EQ(ParseWallRecord(text), position) << '"' << text << '"';
    EXPECT_EQ(FormatWallRecord(Stretch) + FormatWallRecord(-32768), "2\r\n-32768\r\n");
    EXPECT_EQ(WallRecordName(L"sea.bmp"), L"sea.bmp.dat");
    // Any other number shows as stretched. Position, list row, TileWallpaper / WallpaperStyle:
    for (const auto& [position, row, tiling] :
         {std::tuple{Center, L"全\u3000a.bmp", L"0/0"}, {Tile, L"並\u3000a.bmp", L"1/0"},
          {Stretch, L"拡\u3000a.bmp", L"0/2"}, {7, L"拡\u3000a.bmp", L"0/2"}, {-1, L"拡\u3000a.bmp", L"0/2"}}) {
        EXPECT_EQ(WallRow(position, L"a.bmp"), row) << position;
        EXPECT_EQ(std::wstring(TilingFor(position).tileWallpaper) + L"/" + TilingFor(position).wallpaperStyle, tiling);
    }
    // The fuzzer proves any name and position read back from their row; here rows no position made.
    EXPECT_EQ(ParseWallRow(L"並").fileName, L"");
    EXPECT_FALSE(ParseWallRow(L"").position.has_value());
    EXPECT_FALSE(ParseWallRow(L"ab.bmp").position.has_value());
}

TEST(RandomPick, WholePartOfRTimesCountNeverThePlaceBeforeAndPlaceZeroCountsAsBeforeTheFirst) {
    // The places picked from `count` items while draws are left, each draw used once, then the place selected.
    auto picks = [](size_t count, std::vector<double> draws) {
        const std::vector<std::wstring> names = {L"0", L"1", L"2", L"3"};
        Shelf shelf;
        shelf.Fill({names.begin(), names.begin() + count});
        std::string picked;
        for (size_t used = 0; used < draws.size();) {
            picked += std::to_string(shelf.PickAtRandom([&] { return draws.at(used++); }).value());
        }
        return picked + "/" + std::to_string(shelf.SelectedIndex());
    };
    EXPECT_EQ(picks(4, {0.0, 0.24, 0.25, 0.99999, 1.0, 0.5}), "132/2");  // a draw of 1.0 still picks the last place
    EXPECT_EQ(picks(2, {0.0, 0.3, 0.49, 0.9, 0.1, 0.2, 0.7}), "101/1");
    EXPECT_EQ(picks(1, {0.5, 0.5}), "00/0");
    EXPECT_EQ(Shelf().PickAtRandom(nullptr), std::nullopt);  // an empty shelf draws nothing
}
