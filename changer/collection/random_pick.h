// The random pick of a place among `count`, shared by the shelves and the monitors, so that one
// monitor picks exactly as the shelf always has. No windows.h: tested natively.
#pragma once

#include <functional>

namespace dek {

// The whole part of r * count, r drawn from `draw` in [0, 1), drawn again while `allowed` refuses
// the place. `allowed` must take at least one place of [0, count).
int DrawPlace(int count, const std::function<bool(int)>& allowed, const std::function<double()>& draw);

}  // namespace dek
