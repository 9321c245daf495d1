// Changes the desktop from the collection: the item the user selected, or one picked at random
// from each list, with the change sound where the user hears one. Each change gives the message of
// what went wrong, empty when the desktop has what was asked.
#pragma once

#include <functional>
#include <random>
#include <string>

#include "changer/collection/collection.h"
#include "changer/core/settings.h"
#include "changer/desktop/change_sound.h"

namespace dek {

class DesktopChanger {
public:
    // The random picks draw from one sequence, seeded from the clock here, once per run.
    DesktopChanger(Collection& collection, const Settings& settings, SoundPlayer player = PlayWithSystem);

    // Told of each pick once the list has selected it, before the item is applied.
    using Picked = std::function<void()>;

    // The change sound, then a random wallpaper and a random screen saver.
    std::wstring ChangeAtRandom(const Picked& picked = {});
    // Silent; each picks, selects and applies an item of its list, and when that cannot be applied
    // the one after it in the list; nothing on an empty list.
    std::wstring ChangeWallpaperAtRandom(const Picked& picked = {});
    std::wstring ChangeScreenSaverAtRandom(const Picked& picked = {});
    // The change sound, then the selected item.
    std::wstring ApplySelectedWallpaper();
    std::wstring ApplySelectedScreenSaver();

private:
    double Draw();
    std::wstring ChangeAtRandom(ShelfKind kind, const Picked& picked);
    std::wstring Apply(ShelfKind kind);

    Collection& collection_;
    const Settings& settings_;
    SoundPlayer player_;
    std::mt19937 random_;
};

}  // namespace dek
