#include "changer/desktop/desktop_changer.h"

#include <chrono>

#include "changer/desktop/apply.h"

namespace dek {

DesktopChanger::DesktopChanger(Collection& collection, const Settings& settings, SoundPlayer player)
    : collection_(collection),
      settings_(settings),
      player_(std::move(player)),
      random_(static_cast<std::mt19937::result_type>(std::chrono::system_clock::now().time_since_epoch().count())) {}

// r in [0, 1).
double DesktopChanger::Draw() {
    return static_cast<double>(random_() - std::mt19937::min()) /
           (static_cast<double>(std::mt19937::max() - std::mt19937::min()) + 1.0);
}

void DesktopChanger::ChangeAtRandom(const Picked& picked) {
    // Started before anything is applied; the change goes on while it plays.
    PlayChangeSound(settings_, player_);
    ChangeWallpaperAtRandom(picked);
    ChangeScreenSaverAtRandom(picked);
}

void DesktopChanger::ChangeWallpaperAtRandom(const Picked& picked) {
    if (!collection_.Wallpapers().PickAtRandom([this] { return Draw(); })) return;
    if (picked) picked();
    ApplyWallpaper(collection_.Folders(), collection_.Wallpapers().Selected());
}

void DesktopChanger::ChangeScreenSaverAtRandom(const Picked& picked) {
    if (!collection_.ScreenSavers().PickAtRandom([this] { return Draw(); })) return;
    if (picked) picked();
    ApplyScreenSaver(collection_.Folders(), collection_.ScreenSavers().Selected());
}

void DesktopChanger::ApplySelectedWallpaper() {
    PlayChangeSound(settings_, player_);
    ApplyWallpaper(collection_.Folders(), collection_.Wallpapers().Selected());
}

void DesktopChanger::ApplySelectedScreenSaver() {
    PlayChangeSound(settings_, player_);
    ApplyScreenSaver(collection_.Folders(), collection_.ScreenSavers().Selected());
}

}  // namespace dek
