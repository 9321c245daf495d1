#include "changer/desktop/desktop_changer.h"

#include <algorithm>
#include <chrono>

#include "changer/collection/monitor_picks.h"
#include "changer/collection/random_pick.h"
#include "changer/desktop/apply.h"
#include "changer/desktop/monitor_wallpapers.h"

namespace dek {

DesktopChanger::DesktopChanger(Collection& collection, const Settings& settings, SoundPlayer player, Monitors monitors)
    : collection_(collection),
      settings_(settings),
      player_(std::move(player)),
      monitors_(std::move(monitors)),
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

std::vector<platform::Monitor> DesktopChanger::MonitorsInOrder() const {
    return settings_.WallpaperPerMonitor == 1 ? platform::InLayoutOrder(monitors_()) : std::vector<platform::Monitor>();
}

std::wstring DesktopChanger::ChangeWallpaperAtRandom(const Picked& picked) {
    const std::vector<platform::Monitor> monitors = MonitorsInOrder();
    if (monitors.size() > 1) return ChangeEachMonitorAtRandom(monitors, picked);
    monitorWallpapers_.clear();
    return ChangeAtRandom(ShelfKind::Wallpapers, picked);
}

// Where a wallpaper stands in the list now; none when it has gone.
std::optional<int> DesktopChanger::PlaceOf(const std::wstring& name) const {
    const std::vector<ShelfItem>& items = collection_.Wallpapers().Items();
    const auto found = std::find_if(items.begin(), items.end(), [&](const ShelfItem& item) { return item.name == name; });
    return found == items.end() ? std::nullopt : std::optional<int>(static_cast<int>(found - items.begin()));
}

std::wstring DesktopChanger::ChangeEachMonitorAtRandom(const std::vector<platform::Monitor>& monitors, const Picked& picked) {
    Shelf& shelf = collection_.Wallpapers();
    const int count = static_cast<int>(shelf.Items().size());
    if (count == 0) return {};
    std::vector<std::optional<int>> previous(monitors.size());
    for (size_t i = 0; i < previous.size() && i < monitorWallpapers_.size(); ++i) previous[i] = PlaceOf(monitorWallpapers_[i]);
    const std::vector<int> places = PickPerMonitor(count, previous, [this] { return Draw(); });
    monitorWallpapers_.clear();
    for (size_t i = 0; i < places.size(); ++i) {
        monitorWallpapers_.push_back(shelf.Items()[static_cast<size_t>(places[i])].name);
        if (monitors[i].primary) shelf.Select(monitorWallpapers_.back());
    }
    if (picked) picked();
    return ApplyMonitorWallpapers(collection_.Folders(), monitors, monitorWallpapers_);
}

// Kept by name, not by place: the list may have changed meanwhile.
std::wstring DesktopChanger::OnDisplayChange() {
    const std::vector<platform::Monitor> monitors = MonitorsInOrder();
    const std::vector<ShelfItem>& items = collection_.Wallpapers().Items();
    if (monitorWallpapers_.empty() || monitors.size() < 2 || items.empty()) return {};
    monitorWallpapers_.resize(monitors.size());
    for (size_t i = 0; i < monitorWallpapers_.size(); ++i) {
        if (PlaceOf(monitorWallpapers_[i])) continue;
        // A wallpaper gone meanwhile, or a new monitor: one not shown on another, while there are enough.
        const auto others = [&](int place) {
            return items.size() < monitors.size() ||
                   std::find(monitorWallpapers_.begin(), monitorWallpapers_.end(), items[static_cast<size_t>(place)].name) ==
                       monitorWallpapers_.end();
        };
        const int place = DrawPlace(static_cast<int>(items.size()), others, [this] { return Draw(); });
        monitorWallpapers_[i] = items[static_cast<size_t>(place)].name;
    }
    return ApplyMonitorWallpapers(collection_.Folders(), monitors, monitorWallpapers_);
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
