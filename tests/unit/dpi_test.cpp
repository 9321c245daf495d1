#include "platform/dpi.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(Twips, FifteenTwipsAPixelAt96AndRoundedElsewhere) {
    EXPECT_EQ(TwipsToPixels(10200, 96), 680);
    EXPECT_EQ(TwipsToPixels(8175, 96), 545);
    EXPECT_EQ(TwipsToPixels(15, 96), 1);
    EXPECT_EQ(TwipsToPixels(7, 96), 0);
    EXPECT_EQ(TwipsToPixels(8, 96), 1);
    EXPECT_EQ(TwipsToPixels(10200, 144), 1020);
    EXPECT_EQ(TwipsToPixels(255, 120), 21);  // 21.25
    EXPECT_EQ(TwipsToPixels(-15, 96), -1);
    EXPECT_EQ(PixelsToTwips(517, 96), 7755);
}

}  // namespace
}  // namespace platform
