#include "platform/window_placement.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(Twips, FifteenTwipsAPixelAt96AndRoundedElsewhere) {
    EXPECT_EQ(TwipsToPixels(10200, 96), 680);
    EXPECT_EQ(TwipsToPixels(8175, 96), 545);
    EXPECT_EQ(TwipsToPixels(7, 96), 0);
    EXPECT_EQ(TwipsToPixels(8, 96), 1);
    EXPECT_EQ(TwipsToPixels(10200, 144), 1020);
    EXPECT_EQ(TwipsToPixels(255, 120), 21);  // 21.25
    EXPECT_EQ(TwipsToPixels(15, 192), 2);    // 7.5 twips a pixel
    EXPECT_EQ(TwipsToPixels(-15, 96), -1);
}

// The main window at 192 DPI (1294 x 1038 with its frame) on a 1280 x 1024 screen whose taskbar
// takes the bottom 40 pixels: centring alone would put its title bar above the screen.
TEST(Placement, CentredThenKeptInTheWorkAreaTitleBarFirst) {
    const Box screen = {0, 0, 1280, 1024}, work = {0, 0, 1280, 984};
    EXPECT_EQ(Centred(1294, 1038, screen), (Spot{-7, -7}));
    EXPECT_EQ(WithinWorkArea(Centred(1294, 1038, screen), 1294, 1038, work), (Spot{0, 0}));
    EXPECT_EQ(WithinWorkArea(Centred(700, 600, screen), 700, 600, work), (Spot{290, 212}));
    // A second monitor to the left, and a work area that begins below a taskbar at the top.
    const Box left = {-1024, 0, 0, 768}, below = {-1024, 30, 0, 768};
    EXPECT_EQ(WithinWorkArea(Centred(700, 760, left), 700, 760, below), (Spot{-862, 30}));
    EXPECT_EQ(WithinWorkArea({-10, 700}, 700, 200, below), (Spot{-700, 568}));
}

}  // namespace
}  // namespace platform
