// Changes the desktop from the collection: the item the user selected, or one picked at random
// from each list, with the change sound where the user hears one. Each change gives the message of
// what went wrong, empty when the desktop has what was asked.
#pragma once

#include <functional>
#include <optional>
#include <random>
#include <string>

#include "changer/collection/collection.h"
#include "changer/core/settings.h"
#include "changer/desktop/change_sound.h"
#include "platform/display_monitors.h"

namespace dek {

class DesktopChanger {
public:
    // The desktop's monitors as the system has them now; a test's own layout in tests.
    using Monitors = std::function<std::vector<platform::Monitor>()>;

    // The random picks draw from one sequence, seeded from the clock here, once per run.
    DesktopChanger(Collection& collection, const Settings& settings, SoundPlayer player = PlayWithSystem,
                   Monitors monitors = platform::DisplayMonitors);

    // Told of each pick once the list has selected it, before the item is applied.
    using Picked = std::function<void()>;

    // The change sound, then a random wallpaper and a random screen saver.
    std::wstring ChangeAtRandom(const Picked& picked = {});
    // Silent; each picks, selects and applies an item of its list, and when that cannot be applied
    // the one after it in the list; nothing on an empty list. With a wallpaper for each monitor
    // asked for and two or more monitors, each monitor gets its own (the list shows the primary
    // monitor's).
    std::wstring ChangeWallpaperAtRandom(const Picked& picked = {});
    std::wstring ChangeScreenSaverAtRandom(const Picked& picked = {}) { return ChangeAtRandom(ShelfKind::ScreenSavers, picked); }
    // The change sound, then the selected item.
    std::wstring ApplySelectedWallpaper();
    std::wstring ApplySelectedScreenSaver();
    // Monitors came, went or moved: the wallpapers of each monitor laid out again for them, a new
    // monitor getting one of its own.
    std::wstring OnDisplayChange();

private:
    double Draw();
    std::wstring ChangeAtRandom(ShelfKind kind, const Picked& picked);
    std::wstring Apply(ShelfKind kind);
    std::wstring ChangeEachMonitorAtRandom(const std::vector<platform::Monitor>& monitors, const Picked& picked);
    std::vector<platform::Monitor> MonitorsInOrder() const;
    std::optional<int> PlaceOf(const std::wstring& name) const;

    Collection& collection_;
    const Settings& settings_;
    SoundPlayer player_;
    Monitors monitors_;
    std::mt19937 random_;
    // Each monitor's wallpaper, by the monitor's place in the layout; empty while the desktop has
    // one wallpaper for all.
    std::vector<std::wstring> monitorWallpapers_;
};

}  // namespace dek
