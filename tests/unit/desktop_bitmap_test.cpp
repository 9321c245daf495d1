// The bitmap over all monitors: where each wallpaper lands, how it is drawn, the monitors' order
// and the shift for a tiled desktop.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "changer/desktop/wallpaper_layout.h"
#include "platform/monitor_layout.h"

using namespace platform;
using dek::DisplayPosition;

namespace platform {
std::ostream& operator<<(std::ostream& out, const Box& b) {
    return out << "{" << b.left << "," << b.top << "," << b.right << "," << b.bottom << "}";
}
}  // namespace platform

// The pixel at a virtual-screen point inside the canvas.
static Bgr PixelAt(const Canvas& canvas, int x, int y) {
    const uint8_t* pixel = canvas.Row(y - canvas.Area().top) + 3 * static_cast<size_t>(x - canvas.Area().left);
    return {pixel[0], pixel[1], pixel[2]};
}

static void Put(uint8_t* at, Bgr colour) { std::copy_n(std::data({colour.blue, colour.green, colour.red}), 3, at); }
// Blue the column, green the row: a pixel that tells where it came from.
static Bgr Where(int x, int y) { return {uint8_t(x), uint8_t(y), 9}; }

// A picture painted with colour(x, y), with its view.
struct Painted {
    template <class Colour>
    Painted(int width, int height, Colour colour) : pixels(RowBytes(width) * height) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) Put(&pixels[y * RowBytes(width) + 3 * x], colour(x, y));
        view = {width, height, static_cast<std::ptrdiff_t>(RowBytes(width)), pixels.data()};
    }
    std::vector<uint8_t> pixels;
    PictureView view;
};

TEST(WallpaperLayout, FitStaysInsideAndFillCovers) {
    const Box hd = {0, 0, 1920, 1080}, portrait = {-1080, -420, 0, 1500};
    const std::tuple<int, int, Box, DisplayPosition, Box> cases[] = {
        {101, 51, {0, 0, 200, 100}, dek::Center, {49, 24, 150, 75}},  // the wider bar right and below
        {201, 101, {0, 0, 200, 100}, dek::Center, {-1, -1, 200, 100}},  // the larger cut left and above
        {30, 20, portrait, dek::Tile, {-1080, -420, -1050, -400}},
        {30, 20, portrait, dek::Stretch, portrait}, {30, 20, portrait, 7, portrait},
        {4000, 3000, {0, 0, 3840, 2160}, dek::Fit, {480, 0, 3360, 2160}},
        {4000, 3000, {0, 0, 3840, 2160}, dek::Fill, {0, -360, 3840, 2520}},
        {1919, 1080, hd, dek::Fit, {0, 0, 1919, 1080}}, {1919, 1080, hd, dek::Fill, {0, -1, 1920, 1080}},
        {1921, 1080, hd, dek::Fill, {-1, 0, 1920, 1080}}, {4, 1, {0, 0, 6, 6}, dek::Fit, {0, 2, 6, 4}},  // 1.5 rounds up
        {16384, 1, hd, dek::Fit, {0, 539, 1920, 540}}, {1920, 1080, portrait, dek::Fill, {-2247, -420, 1166, 1500}}};
    for (const auto& [w, h, monitor, position, area] : cases) {
        const PictureArea placed = dek::PlaceWallpaper(w, h, monitor, position);
        EXPECT_EQ(placed.area, area) << w << "x" << h << " in position " << position;
        EXPECT_EQ(placed.tiled, position == dek::Tile) << position;
    }
    for (int w = 1900; w <= 1940; ++w) {
        for (int h = 1060; h <= 1100; h += 3) {
            const Box fit = dek::PlaceWallpaper(w, h, hd, dek::Fit).area, fill = dek::PlaceWallpaper(w, h, hd, dek::Fill).area;
            EXPECT_TRUE(fit.left >= 0 && fit.top >= 0 && fit.right <= 1920 && fit.bottom <= 1080) << w << "x" << h << fit;
            EXPECT_TRUE(fit.Width() == 1920 || fit.Height() == 1080) << w << "x" << h << fit;
            EXPECT_TRUE(fill.left <= 0 && fill.top <= 0 && fill.right >= 1920 && fill.bottom >= 1080) << w << "x" << h << fill;
        }
    }
}

TEST(DrawPicture, ScalesByAveragingOrInterpolating) {
    // One row drawn at other widths: blue holds the pixel values.
    auto drawn = [](std::vector<uint8_t> values, int width) {
        const Painted picture(int(values.size()), 1, [&](int x, int) { return Bgr{values[x]}; });
        Canvas canvas({0, 0, width, 1}, {});
        DrawPicture(canvas, picture.view, {{0, 0, width, 1}}, canvas.Area());
        std::vector<int> row;
        for (int x = 0; x < width; ++x) row.push_back(PixelAt(canvas, x, 0).blue);
        return row;
    };
    EXPECT_EQ(drawn({0, 90, 180}, 2), (std::vector{30, 150}));  // each drawn pixel covers one and a half
    EXPECT_EQ(drawn({0, 90, 180, 30}, 1), (std::vector{75}));
    EXPECT_EQ(drawn({0, 200}, 4), (std::vector{0, 50, 150, 200}));  // the edge pixels alone beyond their centres
    const Bgr flat = {200, 1, 255};
    for (const auto& [w, h, width, height] : {std::tuple{37, 23, 11, 7}, {5, 3, 17, 13}, {40, 2, 3, 9}}) {
        Canvas canvas({-5, -5, width + 5, height + 5}, {});
        DrawPicture(canvas, Painted(w, h, [&](int, int) { return flat; }).view, {{0, 0, width, height}}, canvas.Area());
        for (int y = -5; y < height + 5; ++y)
            for (int x = -5; x < width + 5; ++x) {
                const bool inside = x >= 0 && y >= 0 && x < width && y < height;
                ASSERT_EQ(PixelAt(canvas, x, y), inside ? flat : Bgr{}) << w << "x" << h << " at " << x << "," << y;
            }
    }
}

TEST(DrawPicture, NothingSpillsOutOfItsMonitor) {
    // Two monitors side by side, the left one at negative coordinates; pictures go into the right one.
    const Box left = {-6, 0, 0, 9}, right = {0, -2, 7, 7};
    const Bgr background = {1, 2, 3};
    const Painted picture(3, 4, Where), large(13, 15, Where);
    for (const auto& [shown, area, tiled] :
         {std::tuple{&picture, Box{1, 3, 4, 7}, true}, {&picture, Box{-4, -5, -1, -1}, true},
          {&large, Box{-3, -5, 10, 10}, false}, {&large, Box{-6, -2, 7, 13}, false}}) {
        Canvas canvas(VirtualScreen(std::vector<Monitor>{{left}, {right}}), background);
        DrawPicture(canvas, shown->view, {area, tiled}, right);
        for (int y = -2; y < 9; ++y) {
            for (int x = -6; x < 7; ++x) {
                const int px = ((x - area.left) % 3 + 3) % 3, py = ((y - area.top) % 4 + 4) % 4;
                const Bgr expected = x < 0 || y >= 7 ? background : tiled ? Where(px, py) : Where(x - area.left, y - area.top);
                ASSERT_EQ(PixelAt(canvas, x, y), expected) << area << " at " << x << "," << y;
            }
        }
    }
}

TEST(MonitorLayout, TheOrderIsByPlaceNotBySystemOrder) {
    const std::vector<Monitor> ordered = {{{-1080, -420, 0, 1500}},   {{0, -1440, 2560, 0}}, {{0, 0, 1920, 1080}, true},
                                          {{0, 0, 1920, 1080}},        {{1920, 0, 4480, 1440}}};
    // Every order the system might give them in.
    const auto byBottom = [](const Monitor& a, const Monitor& b) { return a.area.bottom + a.primary < b.area.bottom + b.primary; };
    std::vector<Monitor> given = ordered;
    std::sort(given.begin(), given.end(), byBottom);
    do {
        ASSERT_EQ(InLayoutOrder(given), ordered);
    } while (std::next_permutation(given.begin(), given.end(), byBottom));
    EXPECT_EQ(VirtualScreen(ordered), (Box{-1080, -1440, 4480, 1500}));
    EXPECT_EQ(VirtualScreen({}), (Box{}));
}

TEST(MonitorLayout, ATiledDesktopLinesUpAfterTheShift) {
    // Monitors left of and above the primary (0,0 to 7,5), and the primary alone.
    const std::vector<std::vector<Monitor>> layouts = {
        {{{0, 0, 7, 5}, true}, {{-4, 1, 0, 4}}, {{0, -3, 7, 0}}}, {{{0, 0, 7, 5}, true}, {{-5, -2, 0, 9}}},
        {{{0, 0, 7, 5}, true}, {{2, -6, 6, 0}}}, {{{0, 0, 7, 5}, true}}};
    for (const auto& monitors : layouts) {
        const Box screen = VirtualScreen(monitors);
        Canvas canvas(screen, {});
        for (int y = screen.top; y < screen.bottom; ++y)
            for (int x = screen.left; x < screen.right; ++x)
                Put(canvas.Row(y - screen.top) + 3 * (x - screen.left), Where(x + 100, y + 100));
        ShiftForTiledDesktop(canvas);
        ASSERT_EQ(canvas.Area(), (Box{0, 0, screen.Width(), screen.Height()})) << screen;
        for (int y = screen.top; y < screen.bottom; ++y) {
            for (int x = screen.left; x < screen.right; ++x) {
                const Bgr shown = PixelAt(canvas, (x % screen.Width() + screen.Width()) % screen.Width(),
                                                 (y % screen.Height() + screen.Height()) % screen.Height());
                ASSERT_EQ(shown, Where(x + 100, y + 100)) << screen << " at " << x << "," << y;
            }
        }
    }
}
