#include "changer/desktop/desktop_changer.h"

#include <chrono>

#include "changer/desktop/apply.h"
#include "changer/desktop/change_sound.h"

namespace dek {

DesktopChanger::DesktopChanger(const ProgramFolders& folders, const Settings& settings, Shelf& wallpapers,
                               Shelf& screenSavers)
    : folders_(folders),
      settings_(settings),
      wallpapers_(wallpapers),
      screenSavers_(screenSavers),
      random_(static_cast<std::mt19937::result_type>(std::chrono::system_clock::now().time_since_epoch().count())) {}

// r in [0, 1).
double DesktopChanger::Draw() {
    return static_cast<double>(random_() - std::mt19937::min()) /
           (static_cast<double>(std::mt19937::max() - std::mt19937::min()) + 1.0);
}

void DesktopChanger::ChangeAtRandom(const Picked& wallpaperPicked, const Picked& screenSaverPicked) {
    // Started before anything is applied; the change goes on while it plays.
    PlayChangeSound(settings_);
    ChangeWallpaperAtRandom(wallpaperPicked);
    ChangeScreenSaverAtRandom(screenSaverPicked);
}

void DesktopChanger::ChangeWallpaperAtRandom(const Picked& picked) {
    if (!wallpapers_.PickAtRandom([this] { return Draw(); })) return;
    if (picked) picked();
    ApplyWallpaper(folders_, wallpapers_.Selected());
}

void DesktopChanger::ChangeScreenSaverAtRandom(const Picked& picked) {
    if (!screenSavers_.PickAtRandom([this] { return Draw(); })) return;
    if (picked) picked();
    ApplyScreenSaver(folders_, screenSavers_.Selected());
}

void DesktopChanger::ApplySelectedWallpaper() {
    PlayChangeSound(settings_);
    ApplyWallpaper(folders_, wallpapers_.Selected());
}

void DesktopChanger::ApplySelectedScreenSaver() {
    PlayChangeSound(settings_);
    ApplyScreenSaver(folders_, screenSavers_.Selected());
}

}  // namespace dek
