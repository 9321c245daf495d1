// The text of a wallpaper's display record, and the desktop values each position gives.
#include <gtest/gtest.h>

#include <string>

#include "changer/collection/display_record.h"
#include "changer/desktop/change_rules.h"

namespace {

using namespace dek;

TEST(DisplayRecord, WritesTheNumberAndCrLfOnly) {
    EXPECT_EQ(FormatWallRecord(Center), "0\r\n");
    EXPECT_EQ(FormatWallRecord(Tile), "1\r\n");
    EXPECT_EQ(FormatWallRecord(Stretch), "2\r\n");
    EXPECT_EQ(FormatWallRecord(-3), "-3\r\n");
    EXPECT_EQ(WallRecordName(L"sea.bmp"), L"sea.bmp.dat");
}

TEST(DisplayRecord, ReadsTheFirstNumberOfTheFile) {
    struct Case {
        const char* text;
        DisplayPosition expected;
    };
    const Case cases[] = {
        {"0\r\n", 0},      {"1\r\n", 1},         {"2\r\n", 2},       {"2", 2},
        {"1,5\r\n", 1},    {"  2 7\r\n", 2},     {"\t1\r\n", 1},     {"7\r\n", 7},
        {"-3\r\n", -3},    {"+1\r\n", 1},        {"1\n2\n", 1},      {"32767\r\n", 32767},
        {"-32768\r\n", -32768},
        // A fraction rounds to the nearest whole number, halves to the even neighbour.
        {"1.5\r\n", 2},    {"2.5\r\n", 2},       {"0.4\r\n", 0},     {"1.6\r\n", 2},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseWallRecord(c.text), c.expected) << '"' << c.text << '"';
}

TEST(DisplayRecord, ABrokenRecordReadsAsCenter) {
    for (const char* text : {"", "\r\n", "   ", "x\r\n", "1x\r\n", "-\r\n", ".\r\n", "32768\r\n", "-32769\r\n",
                             "99999999999999999999\r\n", ",1\r\n", "1e2\r\n", "\xEF\xBB\xBF" "1\r\n"}) {
        EXPECT_EQ(ParseWallRecord(text), Center) << '"' << text << '"';
    }
}

TEST(DisplayRecord, EveryWrittenPositionReadsBackUnchanged) {
    for (int p = -32768; p <= 32767; p += 97) {
        const auto position = static_cast<DisplayPosition>(p);
        EXPECT_EQ(ParseWallRecord(FormatWallRecord(position)), position);
    }
}

TEST(DisplayRecord, StretchIsTheStyleValueNotATilingValue) {
    auto pair = [](DisplayPosition p) {
        const DesktopTiling t = TilingFor(p);
        return std::wstring(t.tileWallpaper) + L"/" + t.wallpaperStyle;
    };
    EXPECT_EQ(pair(Center), L"0/0");
    EXPECT_EQ(pair(Tile), L"1/0");
    EXPECT_EQ(pair(Stretch), L"0/2");
    // Any other number is shown as stretched, and applied so.
    EXPECT_EQ(pair(7), L"0/2");
    EXPECT_EQ(pair(-1), L"0/2");
}

}  // namespace
