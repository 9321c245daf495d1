#include "changer/collection/monitor_picks.h"

#include <algorithm>

#include "changer/collection/random_pick.h"

namespace dek {
namespace {

// The one place every monitor of [from, to) had the time before, when they all had the same.
std::optional<int> SharedPrevious(const std::vector<int>& before, size_t from, size_t to) {
    if (from >= to) return std::nullopt;
    const bool same = std::all_of(before.begin() + from, before.begin() + to, [&](int p) { return p == before[from]; });
    return same ? std::optional(before[from]) : std::nullopt;
}

}  // namespace

std::vector<int> PickPerMonitor(int count, std::span<const std::optional<int>> previous,
                                const std::function<double()>& draw) {
    std::vector<int> picks;
    if (count <= 0) return picks;
    std::vector<int> before;
    for (const auto& p : previous) before.push_back(p.value_or(0));
    const size_t monitors = before.size(), places = static_cast<size_t>(count);
    for (size_t start = 0; start < monitors; start += places) {
        const size_t end = std::min(monitors, start + places);
        std::vector<bool> taken(places);
        for (size_t i = start; i < end; ++i) {
            const int free = count - static_cast<int>(i - start);
            const auto isFree = [&](int p) { return p >= 0 && p < count && !taken[static_cast<size_t>(p)]; };
            // The monitors after this one fill every other free place: if they all had the same
            // free place before, none of them may take it, so this one must.
            const auto needed = SharedPrevious(before, i + 1, end);
            const bool forced = static_cast<int>(end - i) == free && needed && isFree(*needed) && *needed != before[i];
            const int pick = DrawPlace(count, [&](int p) {
                if (forced) return p == *needed;
                return isFree(p) && (p != before[i] || free == 1);
            }, draw);
            taken[static_cast<size_t>(pick)] = true;
            picks.push_back(pick);
        }
    }
    return picks;
}

}  // namespace dek
