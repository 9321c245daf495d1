#include "changer/collection/shelf.h"

#include <algorithm>
#include <cmath>

namespace dek {

int Shelf::SelectedIndex() const {
    const auto found = std::find(names_.begin(), names_.end(), selected_);
    return found == names_.end() ? -1 : static_cast<int>(found - names_.begin());
}

std::optional<int> Shelf::PickAtRandom(const std::function<double()>& draw) {
    const int count = static_cast<int>(names_.size());
    if (count == 0) return std::nullopt;
    int pick;
    do {
        // Guards a generator that rounds up to 1.0 at the very end of its range.
        pick = std::clamp(static_cast<int>(std::floor(draw() * count)), 0, count - 1);
    } while (pick == lastPick_ && count > 1);
    lastPick_ = pick;
    selected_ = names_[static_cast<size_t>(pick)];
    return pick;
}

}  // namespace dek
