// The random pick of one wallpaper for each monitor. No windows.h: tested natively.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace dek {

// A place of [0, count) for each monitor, in the order of `previous`, which holds each monitor's
// pick of the time before (none counts as place 0, as for the shelf's first pick of a run). Each
// monitor draws as the shelf does (DrawPlace), so one monitor picks exactly as Shelf::PickAtRandom:
// - no two monitors get the same place while count is enough; with fewer places than monitors
//   they are dealt again in rounds, no place twice within one round of count monitors;
// - a monitor avoids its own previous place while it has two or more to choose from, and takes a
//   place the monitors after it need rather than leave one of them only its previous one (with
//   3 places and previous places 0, 1, 2, every monitor gets a new one);
// - the same draws give the same picks.
// Empty when count is 0.
std::vector<int> PickPerMonitor(int count, std::span<const std::optional<int>> previous,
                                const std::function<double()>& draw);

}  // namespace dek
