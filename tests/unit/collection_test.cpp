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

TEST(CollectionNames, TitleUpToTheFirstNulCaseSensitiveBmpAndTheDropKindByTheLastThreeCharacters) {
    const std::pair<std::wstring, const wchar_t*> titles[] = {
        {L"C:\\My Pictures\\summer sky.GIF", L"summer sky.GIF"}, {L"\\\\server\\share\\夜空.jpg", L"夜空.jpg"},
        {L"C:/a\\b/night.scr", L"night.scr"}, {L"C:sea.bmp", L"sea.bmp"}, {L"sea.bmp", L"sea.bmp"},
        {L"C:\\a\\sea.bmp\0C:\\b\\other.gif"s, L"sea.bmp"}, {L"\0abc"s, L""}};
    for (const auto& [path, title] : titles) EXPECT_EQ(FileTitleOf(path), title) << path;
    // A name is copied as it is exactly when it ends in "bmp"; the others are converted.
    constexpr DropKind Wall = DropKind::Wallpaper, Saver = DropKind::ScreenSaver, None = DropKind::Ignored;
    const std::tuple<std::wstring, const wchar_t*, DropKind> names[] = {
        {L"sea.bmp", L"sea.bmp", Wall}, {L"PHOTO.BMP", L"PHOTO.bmp", Wall}, {L"sky.GIF", L"sky.bmp", Wall},
        {L"photo.Jpg", L"photo.bmp", Wall}, {L"night.SCR", L"night.bmp", Saver}, {L"notes.txt", L"notes.bmp", None},
        {L"photo.jpeg", L"photo.jbmp", None}, {L"holiday-gif", L"holiday-bmp", Wall}, {L"gi", L"bmp", None}};
    for (const auto& [name, converted, drop] : names) {
        EXPECT_EQ(IsBitmapName(name), name == converted) << name;
        EXPECT_EQ(ConvertedBitmapName(name), converted) << name;
        EXPECT_EQ(DropKindOf(L"C:\\x\\" + name), drop) << name;
    }
}

TEST(DisplayRecord, TheFirstNumberRoundedHalfToEvenElseCenterAndWrittenAsNumberCrLf) {
    const std::pair<const char*, DisplayPosition> records[] = {
        {"0\r\n", 0}, {"2", 2}, {"1,5\r\n", 1}, {"  2 7\r\n", 2}, {"\t1\r\n", 1}, {"7\r\n", 7}, {"-3\r\n", -3},
        {"+1\r\n", 1}, {"1\n2\n", 1}, {"32767\r\n", 32767}, {"-32768\r\n", -32768},
        {"1.5\r\n", 2}, {"2.5\r\n", 2}, {"0.4\r\n", 0}, {"1.6\r\n", 2},
        // Broken records read as Center.
        {"", 0}, {"\r\n", 0}, {"x\r\n", 0}, {"1x\r\n", 0}, {"-\r\n", 0}, {".\r\n", 0}, {",1\r\n", 0}, {"1e2\r\n", 0},
        {"32768\r\n", 0}, {"-32769\r\n", 0}, {"99999999999999999999\r\n", 0}, {"\xEF\xBB\xBF" "1\r\n", 0}};
    for (const auto& [text, position] : records) EXPECT_EQ(ParseWallRecord(text), position) << '"' << text << '"';
    EXPECT_EQ(FormatWallRecord(Stretch) + FormatWallRecord(-32768), "2\r\n-32768\r\n");
    EXPECT_EQ(WallRecordName(L"sea.bmp"), L"sea.bmp.dat");
}

TEST(DisplayRecord, ListRowsAndDesktopValuesShowAnyOtherNumberAsStretched) {
    // position, list row, TileWallpaper / WallpaperStyle
    for (const auto& [position, row, tiling] :
         {std::tuple{Center, L"全\u3000a.bmp", L"0/0"}, {Tile, L"並\u3000a.bmp", L"1/0"},
          {Stretch, L"拡\u3000a.bmp", L"0/2"}, {7, L"拡\u3000a.bmp", L"0/2"}, {-1, L"拡\u3000a.bmp", L"0/2"}}) {
        EXPECT_EQ(WallRow(position, L"a.bmp"), row) << position;
        EXPECT_EQ(std::wstring(TilingFor(position).tileWallpaper) + L"/" + TilingFor(position).wallpaperStyle, tiling);
        EXPECT_EQ(ParseWallRow(row).position, position == Tile || position == Center ? position : Stretch);
    }
    // Only the first two characters are cut: a name beginning with a blank or a marker keeps it.
    EXPECT_EQ(ParseWallRow(L"全\u3000 lead.bmp").fileName, L" lead.bmp");
    EXPECT_EQ(ParseWallRow(WallRow(Tile, L"全\u3000x")).fileName, L"全\u3000x");
    EXPECT_EQ(ParseWallRow(L"並").fileName, L"");
    EXPECT_FALSE(ParseWallRow(L"").position.has_value());
    EXPECT_FALSE(ParseWallRow(L"ab.bmp").position.has_value());
}

// Every draw given is used and no more; the last pick is the item selected.
TEST(RandomPick, WholePartOfRTimesCountNeverThePlaceBeforeAndPlaceZeroCountsAsBeforeTheFirst) {
    const std::tuple<int, std::vector<double>, std::vector<int>> runs[] = {
        {4, {0.0, 0.24, 0.25, 0.99999, 1.0, 0.5}, {1, 3, 2}},  // a draw of 1.0 still picks the last place
        {2, {0.0, 0.3, 0.49, 0.9, 0.1, 0.2, 0.7}, {1, 0, 1}},
        {1, {0.5, 0.5}, {0, 0}},
        {0, {}, {-1}}};
    const std::vector<std::wstring> names = {L"0", L"1", L"2", L"3"};
    for (const auto& [count, draws, expected] : runs) {
        Shelf shelf;
        shelf.Fill({names.begin(), names.begin() + count});
        size_t used = 0;
        std::vector<int> picks;
        auto draw = [&, &draws = draws] { return draws.at(used++); };
        while (picks.size() < expected.size()) picks.push_back(shelf.PickAtRandom(draw).value_or(-1));
        EXPECT_EQ(picks, expected) << count;
        EXPECT_EQ(used, draws.size()) << count;
        EXPECT_EQ(shelf.SelectedIndex(), picks.back()) << count;
    }
}
