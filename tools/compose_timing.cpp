// How long the desktop's bitmap takes to make for two 4K monitors side by side, each with a
// 4000 x 3000 picture, in every scaling position, and the shift for a tiled desktop. Prints the
// median and range of a few runs; asserts nothing. Usage: compose_timing [runs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "changer/desktop/wallpaper_layout.h"
#include "platform/monitor_layout.h"

namespace {

using Clock = std::chrono::steady_clock;

// A picture with detail in both directions, so that no shortcut of flat colour is measured.
std::vector<uint8_t> Pattern(int width, int height, int seed) {
    std::vector<uint8_t> pixels(platform::RowBytes(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        uint8_t* row = pixels.data() + platform::RowBytes(width) * static_cast<size_t>(y);
        for (int x = 0; x < width * 3; ++x) row[x] = static_cast<uint8_t>(x * 7 + y * 13 + seed);
    }
    return pixels;
}

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    // The secondary left of the primary, so that the tiled desktop's shift has work to do.
    const std::vector<platform::Monitor> monitors =
        platform::InLayoutOrder({{{0, 0, 3840, 2160}, true}, {{-3840, 0, 0, 2160}, false}});
    const int width = 4000, height = 3000;
    const std::vector<uint8_t> pictures[] = {Pattern(width, height, 0), Pattern(width, height, 99)};
    const struct {
        const char* name;
        dek::DisplayPosition position;
    } positions[] = {{"Stretch", dek::Stretch}, {"Fit", dek::Fit}, {"Fill", dek::Fill}, {"Center", dek::Center},
                     {"Tile", dek::Tile}};
    std::printf("two monitors of 3840 x 2160, two pictures of %d x %d, %d runs: median (min..max) ms\n", width,
                height, runs);
    // The canvas apart, since its cost is the memory the system hands over (about 50 MB here).
    for (const auto& [name, position] : positions) {
        std::vector<double> making, drawing, shifting;
        for (int run = 0; run < runs; ++run) {
            const auto start = Clock::now();
            platform::Canvas canvas(platform::VirtualScreen(monitors), {40, 30, 20});
            const auto made = Clock::now();
            for (size_t i = 0; i < monitors.size(); ++i) {
                const platform::PictureView view{width, height, platform::RowBytes(width), pictures[i].data()};
                dek::DrawWallpaper(canvas, view, monitors[i].area, position);
            }
            const auto drawn = Clock::now();
            platform::ShiftForTiledDesktop(canvas);
            making.push_back(Milliseconds(made - start));
            drawing.push_back(Milliseconds(drawn - made));
            shifting.push_back(Milliseconds(Clock::now() - drawn));
        }
        std::printf("%-8s", name);
        for (auto [what, times] : {std::pair{"canvas", &making}, {"both drawn", &drawing}, {"tiled shift", &shifting}}) {
            std::sort(times->begin(), times->end());
            std::printf("  %s %6.1f (%.1f..%.1f)", what, (*times)[times->size() / 2], times->front(), times->back());
        }
        std::printf("\n");
    }
    return 0;
}
