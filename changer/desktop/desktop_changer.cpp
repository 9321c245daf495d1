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

std::wstring DesktopChanger::ChangeAtRandom(const Picked& picked) {
    // Started before anything is applied; the change goes on while it plays.
    PlayChangeSound(settings_, player_);
    const std::wstring wallpaper = ChangeWallpaperAtRandom(picked), screenSaver = ChangeScreenSaverAtRandom(picked);
    return wallpaper.empty() || screenSaver.empty() ? wallpaper + screenSaver : wallpaper + L"\r\n\r\n" + screenSaver;
}

std::wstring DesktopChanger::ChangeWallpaperAtRandom(const Picked& picked) { return ChangeAtRandom(ShelfKind::Wallpapers, picked); }

std::wstring DesktopChanger::ChangeScreenSaverAtRandom(const Picked& picked) {
    return ChangeAtRandom(ShelfKind::ScreenSavers, picked);
}

// A file gone or unreadable since the list was read is passed over once for the next one.
std::wstring DesktopChanger::ChangeAtRandom(ShelfKind kind, const Picked& picked) {
    Shelf& shelf = collection_.Of(kind);
    if (!shelf.PickAtRandom([this] { return Draw(); })) return {};
    if (picked) picked();
    const std::wstring problem = Apply(kind);
    if (problem.empty() || !shelf.PickFollowing()) return problem;
    if (picked) picked();
    return Apply(kind);
}

std::wstring DesktopChanger::Apply(ShelfKind kind) {
    const std::wstring& name = collection_.Of(kind).Selected();
    if (name.empty()) return {};
    return kind == ShelfKind::Wallpapers ? ApplyWallpaper(collection_.Folders(), name)
                                         : ApplyScreenSaver(collection_.Folders(), name);
}

std::wstring DesktopChanger::ApplySelectedWallpaper() {
    PlayChangeSound(settings_, player_);
    return Apply(ShelfKind::Wallpapers);
}

std::wstring DesktopChanger::ApplySelectedScreenSaver() {
    PlayChangeSound(settings_, player_);
    return Apply(ShelfKind::ScreenSavers);
}

}  // namespace dek
