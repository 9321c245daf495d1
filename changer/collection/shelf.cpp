#include "changer/collection/shelf.h"

#include <algorithm>

#include "changer/collection/random_pick.h"

namespace dek {

void ShelfChange::Then(ShelfChange next) {
    if (next.everyRow) {
        *this = std::move(next);
    } else if (!everyRow) {
        edits.insert(edits.end(), std::make_move_iterator(next.edits.begin()), std::make_move_iterator(next.edits.end()));
    }
}

size_t Shelf::PlaceOf(std::wstring_view name) const {
    const auto found = std::lower_bound(items_.begin(), items_.end(), name,
                                        [&](const ShelfItem& item, std::wstring_view n) { return order_(item.name, n); });
    return static_cast<size_t>(found - items_.begin());
}

std::optional<size_t> Shelf::Find(std::wstring_view name) const {
    const auto found = std::find_if(items_.begin(), items_.end(), [&](const ShelfItem& item) { return item.name == name; });
    return found == items_.end() ? std::nullopt : std::optional<size_t>(found - items_.begin());
}

ShelfChange Shelf::Put(ShelfItem item) {
    if (const std::optional<size_t> row = Find(item.name)) {
        if (items_[*row] == item) return {};
        items_[*row] = item;
        return {false, {{RowEdit::Kind::Replace, *row, std::move(item)}}};
    }
    const size_t place = PlaceOf(item.name);
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(place), item);
    return {false, {{RowEdit::Kind::Insert, place, std::move(item)}}};
}

ShelfChange Shelf::Remove(std::wstring_view name) {
    const std::optional<size_t> row = Find(name);
    if (!row) return {};
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(*row));
    return {false, {{RowEdit::Kind::Erase, *row, {}}}};
}

const ShelfItem* Shelf::SelectedItem() const {
    const int row = SelectedRow();
    return row < 0 ? nullptr : &items_[static_cast<size_t>(row)];
}

int Shelf::SelectedRow() const {
    const std::optional<size_t> row = selected_.empty() ? std::nullopt : Find(selected_);
    return row ? static_cast<int>(*row) : -1;
}

void Shelf::Select(std::wstring name) {
    selected_ = std::move(name);
    offersDelete_ = true;
}

void Shelf::SelectRow(int row) {
    Select(row >= 0 && static_cast<size_t>(row) < items_.size() ? items_[static_cast<size_t>(row)].name : std::wstring());
}

std::optional<size_t> Shelf::PickAtRandom(const std::function<double()>& draw) {
    const int places = static_cast<int>(items_.size());
    if (places == 0) return std::nullopt;
    const int pick = DrawPlace(places, [&](int place) { return place != lastPick_ || places == 1; }, draw);
    lastPick_ = pick;
    Select(items_[static_cast<size_t>(pick)].name);
    return static_cast<size_t>(pick);
}

std::optional<size_t> Shelf::PickFollowing() {
    if (items_.size() < 2) return std::nullopt;
    lastPick_ = (lastPick_ + 1) % static_cast<int>(items_.size());
    Select(items_[static_cast<size_t>(lastPick_)].name);
    return static_cast<size_t>(lastPick_);
}

}  // namespace dek
