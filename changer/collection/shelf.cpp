#include "changer/collection/shelf.h"

#include <algorithm>
#include <cmath>

namespace dek {

void ShelfChange::Then(ShelfChange next) {
    if (next.everyRow) {
        *this = std::move(next);
    } else if (!everyRow) {
        edits.insert(edits.end(), std::make_move_iterator(next.edits.begin()), std::make_move_iterator(next.edits.end()));
    }
}

ShelfChange Shelf::Fill(std::vector<ShelfItem> items) {
    items_ = std::move(items);
    return {true, {}};
}

size_t Shelf::PlaceOf(std::wstring_view name) const {
    const auto found = std::lower_bound(items_.begin(), items_.end(), name,
                                        [&](const ShelfItem& item, std::wstring_view n) { return order_(item.name, n); });
    return static_cast<size_t>(found - items_.begin());
}

std::optional<size_t> Shelf::Find(std::wstring_view name) const {
    const auto found = std::find_if(items_.begin(), items_.end(), [&](const ShelfItem& item) { return item.name == name; });
    if (found == items_.end()) return std::nullopt;
    return static_cast<size_t>(found - items_.begin());
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
    const size_t count = items_.size();
    if (count == 0) return std::nullopt;
    size_t pick;
    do {
        // Guards a generator that rounds up to 1.0 at the very end of its range.
        const double place = std::floor(draw() * static_cast<double>(count));
        pick = static_cast<size_t>(std::clamp(place, 0.0, static_cast<double>(count - 1)));
    } while (pick == lastPick_ && count > 1);
    lastPick_ = pick;
    Select(items_[pick].name);
    return pick;
}

}  // namespace dek
