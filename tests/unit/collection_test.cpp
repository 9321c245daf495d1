// The collection's rules: names of files entering it, display records, list rows, random picks for
// the shelves and the monitors.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>
#include <vector>

#include "changer/collection/collection_names.h"
#include "changer/collection/display_record.h"
#include "changer/collection/monitor_picks.h"
#include "changer/collection/shelf.h"
#include "changer/collection/wall_rows.h"
#include "changer/desktop/change_rules.h"

using namespace dek;
using namespace std::string_literals;

TEST(CollectionNames, TitlesAndDropKindsComeFromThePathsEnd) {
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

TEST(DisplayRecord, ReadsItsFirstNumberAndShowsUnknownOnesStretched) {
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
          {Stretch, L"拡\u3000a.bmp", L"0/2"}, {Fit, L"合\u3000a.bmp", L"0/6"}, {Fill, L"埋\u3000a.bmp", L"0/10"},
          {7, L"拡\u3000a.bmp", L"0/2"}, {-1, L"拡\u3000a.bmp", L"0/2"}}) {
        EXPECT_EQ(WallRow(position, L"a.bmp"), row) << position;
        EXPECT_EQ(std::wstring(TilingFor(position).tileWallpaper) + L"/" + TilingFor(position).wallpaperStyle, tiling);
    }
}

TEST(RandomPick, NeverTakesThePlaceBefore) {
    // The places picked from `count` items while draws are left, each draw used once, then the place selected.
    auto picks = [](size_t count, std::vector<double> draws) {
        const std::vector<ShelfItem> items = {{L"0"}, {L"1"}, {L"2"}, {L"3"}};
        Shelf shelf;
        shelf.Fill({items.begin(), items.begin() + static_cast<std::ptrdiff_t>(count)});
        std::string picked;
        for (size_t used = 0; used < draws.size();) {
            picked += std::to_string(shelf.PickAtRandom([&] { return draws.at(used++); }).value());
        }
        return picked + "/" + std::to_string(shelf.SelectedRow());
    };
    EXPECT_EQ(picks(4, {0.0, 0.24, 0.25, 0.99999, 1.0, 0.5}), "132/2");  // a draw of 1.0 still picks the last place
    EXPECT_EQ(picks(2, {0.0, 0.3, 0.49, 0.9, 0.1, 0.2, 0.7}), "101/1");
    EXPECT_EQ(picks(1, {0.5, 0.5}), "00/0");
    EXPECT_EQ(Shelf().PickAtRandom(nullptr), std::nullopt);  // an empty shelf draws nothing
}

// A file that comes or goes changes its own row only, and the selection follows its name.
TEST(CollectionShelf, AComingOrGoingFileEditsOnlyItsRow) {
    Shelf shelf;
    shelf.Fill({{L"b"}, {L"d"}});
    shelf.Select(L"d");
    auto edits = [](const ShelfChange& change) {
        std::wstring text;
        for (const RowEdit& edit : change.edits) {
            text += L"+-~"[static_cast<int>(edit.kind)] + std::to_wstring(edit.row) + edit.item.name + std::to_wstring(edit.item.position);
        }
        return text;
    };
    const std::pair<ShelfChange, const wchar_t*> steps[] = {
        {shelf.Put({L"c"}), L"+1c0"}, {shelf.Put({L"c"}), L""}, {shelf.Put({L"c", Tile}), L"~1c1"},
        {shelf.Put({L"a"}), L"+0a0"}, {shelf.Remove(L"b"), L"-10"}, {shelf.Remove(L"x"), L""}};
    for (const auto& [change, expected] : steps) EXPECT_EQ(edits(change), expected) << &change - &steps[0].first;
    EXPECT_EQ(shelf.Items(), (std::vector<ShelfItem>{{L"a"}, {L"c", Tile}, {L"d"}}));
    EXPECT_EQ(shelf.SelectedRow(), 2);
    shelf.Remove(L"d");  // gone, yet still what the buttons act on
    EXPECT_EQ(std::pair(shelf.SelectedRow(), shelf.Selected()), std::pair(-1, std::wstring(L"d")));
}

// With one monitor the list's own pick is taken (DesktopChanger), so this deals two or more.
TEST(MonitorPicks, EachMonitorGetsAnotherPictureWithAsFewRepeatsAsPossible) {
    std::mt19937 random(1);
    const auto drawFrom = [](std::mt19937& g) { return [&g] { return std::generate_canonical<double, 53>(g); }; };
    EXPECT_TRUE(PickPerMonitor(0, std::vector<std::optional<int>>(2), drawFrom(random)).empty());
    // A monitor takes the place the next one needs only when it must, and keeps off its own while it can.
    const auto drawn = [](std::vector<double> draws) { return [draws, used = size_t(0)]() mutable { return draws.at(used++); }; };
    EXPECT_EQ(PickPerMonitor(3, std::vector<std::optional<int>>{0, 1}, drawn({0.9, 0.9, 0.1})), (std::vector{2, 0}));
    EXPECT_EQ(PickPerMonitor(2, std::vector<std::optional<int>>{1, 1}, drawn({0.9, 0.1, 0.9})), (std::vector{0, 1}));
    // Against every way of dealing: no place twice within a round of `count` monitors, and no more
    // monitors on their previous place (none counting as 0) than the best way has.
    for (int count = 1; count <= 5; ++count) {
        for (size_t monitors = 2; monitors <= 4; ++monitors) {
            for (int trial = 0; trial < 30; ++trial) {
                std::vector<std::optional<int>> previous(monitors);
                for (size_t i = 0; i < monitors; ++i) previous[i] = trial == 0 ? std::optional(int(i)) : random() % 3 ? std::optional(int(random() % 7)) : std::nullopt;
                const auto repeats = [&](const std::vector<int>& picks) {
                    int same = 0;
                    for (size_t i = 0; i < monitors; ++i) {
                        for (size_t j = 0; j < i; ++j)
                            if (picks[i] == picks[j] && i / count == j / count) return 99;
                        same += picks[i] == previous[i].value_or(0);
                    }
                    return same;
                };
                int fewest = 99;
                for (int n = 0; n < std::pow(count, monitors); ++n) {
                    std::vector<int> dealt;
                    for (int rest = n; dealt.size() < monitors; rest /= count) dealt.push_back(rest % count);
                    fewest = std::min(fewest, repeats(dealt));
                }
                std::mt19937 again = random;
                const auto picks = PickPerMonitor(count, previous, drawFrom(random));
                EXPECT_EQ(repeats(picks), fewest) << count << " places, trial " << trial;
                EXPECT_EQ(PickPerMonitor(count, previous, drawFrom(again)), picks) << "the same draws, other picks";
            }
        }
    }
}
