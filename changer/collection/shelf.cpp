#include "changer/collection/shelf.h"

#include <algorithm>

#include "changer/collection/random_pick.h"

namespace dek {

int Shelf::SelectedIndex() const {
    const auto found = std::find(names_.begin(), names_.end(), selected_);
    return found == names_.end() ? -1 : static_cast<int>(found - names_.begin());
}

std::optional<int> Shelf::PickAtRandom(const std::function<double()>& draw) {
    const int count = static_cast<int>(names_.size());
    if (count == 0) return std::nullopt;
    const int pick = DrawPlace(count, [&](int place) { return place != lastPick_ || count == 1; }, draw);
    lastPick_ = pick;
    selected_ = names_[static_cast<size_t>(pick)];
    return pick;
}

}  // namespace dek
