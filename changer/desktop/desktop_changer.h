// Changes the desktop from the collection: the item the user selected, or one picked at random
// from each shelf, with the change sound where the user hears one.
#pragma once

#include <functional>
#include <random>

#include "changer/collection/shelf.h"
#include "changer/core/program.h"
#include "changer/core/settings.h"

namespace dek {

class DesktopChanger {
public:
    // The random picks draw from one sequence, seeded from the clock here, once per run.
    DesktopChanger(const ProgramFolders& folders, const Settings& settings, Shelf& wallpapers, Shelf& screenSavers);

    // Told of each pick once the shelf has selected it, before the item is applied.
    using Picked = std::function<void()>;

    // The change sound, then a random wallpaper and a random screen saver.
    void ChangeAtRandom(const Picked& wallpaperPicked = {}, const Picked& screenSaverPicked = {});
    // Silent; each picks, selects and applies an item of its shelf; nothing on an empty shelf.
    void ChangeWallpaperAtRandom(const Picked& picked = {});
    void ChangeScreenSaverAtRandom(const Picked& picked = {});
    // The change sound, then the selected item.
    void ApplySelectedWallpaper();
    void ApplySelectedScreenSaver();

private:
    double Draw();

    const ProgramFolders& folders_;
    const Settings& settings_;
    Shelf& wallpapers_;
    Shelf& screenSavers_;
    std::mt19937 random_;
};

}  // namespace dek
