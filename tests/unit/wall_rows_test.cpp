// The rows of the wallpaper list: marker, ideographic space, file name, and back.
#include <gtest/gtest.h>

#include "changer/collection/wall_rows.h"

namespace {

using namespace dek;

TEST(WallRows, MarkerSpaceAndFileName) {
    EXPECT_EQ(WallRow(Tile, L"sea.bmp"), L"並\u3000sea.bmp");
    EXPECT_EQ(WallRow(Center, L"sky.bmp"), L"全\u3000sky.bmp");
    EXPECT_EQ(WallRow(Stretch, L"wide.bmp"), L"拡\u3000wide.bmp");
    EXPECT_EQ(WallRow(7, L"odd.bmp"), L"拡\u3000odd.bmp");
    EXPECT_EQ(WallRow(-1, L"odd.bmp"), L"拡\u3000odd.bmp");
}

TEST(WallRows, AClickedRowGivesItsFileNameAndPosition) {
    const WallRowParts stretched = ParseWallRow(L"拡\u3000wide.bmp");
    EXPECT_EQ(stretched.fileName, L"wide.bmp");
    EXPECT_EQ(stretched.position, Stretch);
    EXPECT_EQ(ParseWallRow(L"並\u3000sea.bmp").position, Tile);
    EXPECT_EQ(ParseWallRow(L"全\u3000sky.bmp").position, Center);
    // Only the first two characters are cut: a name beginning with a blank keeps it.
    EXPECT_EQ(ParseWallRow(L"全\u3000 lead.bmp").fileName, L" lead.bmp");
    EXPECT_EQ(ParseWallRow(WallRow(Tile, L"全\u3000x")).fileName, L"全\u3000x");
}

TEST(WallRows, NoRowGivesNoNameAndNoPosition) {
    EXPECT_EQ(ParseWallRow(L"").fileName, L"");
    EXPECT_FALSE(ParseWallRow(L"").position.has_value());
    EXPECT_EQ(ParseWallRow(L"並").fileName, L"");
    EXPECT_FALSE(ParseWallRow(L"ab.bmp").position.has_value());
}

}  // namespace
