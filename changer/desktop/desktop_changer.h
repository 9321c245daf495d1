// Changes the desktop from the collection: the item the user selected, or one picked at random
// from each list, with the change sound where the user hears one.
#pragma once

#include <functional>
#include <random>

#include "changer/collection/collection.h"
#include "changer/desktop/change_sound.h"
#include "changer/core/settings.h"

namespace dek {

class DesktopChanger {
public:
    // The random picks draw from one sequence, seeded from the clock here, once per run.
    DesktopChanger(Collection& collection, const Settings& settings, SoundPlayer player = PlayWithSystem);

    // Told of each pick once the list has selected it, before the item is applied.
    using Picked = std::function<void()>;

    // The change sound, then a random wallpaper and a random screen saver.
    void ChangeAtRandom(const Picked& picked = {});
    // Silent; each picks, selects and applies an item of its list; nothing on an empty list.
    void ChangeWallpaperAtRandom(const Picked& picked = {});
    void ChangeScreenSaverAtRandom(const Picked& picked = {});
    // The change sound, then the selected item.
    void ApplySelectedWallpaper();
    void ApplySelectedScreenSaver();

private:
    double Draw();

    Collection& collection_;
    const Settings& settings_;
    SoundPlayer player_;
    std::mt19937 random_;
};

}  // namespace dek
