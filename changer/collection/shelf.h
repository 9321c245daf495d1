// One list of the collection, the wallpapers or the screen savers: its items in list order, the
// item the buttons act on, and the random pick that never takes the same place twice running.
// Every change gives the edits of the rows, for the list on screen to follow. No windows.h:
// tested natively.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "changer/collection/display_record.h"

namespace dek {

struct ShelfItem {
    std::wstring name;
    DisplayPosition position = Center;  // a wallpaper's, as its record read when it was listed
    bool operator==(const ShelfItem&) const = default;
};

// What a change did to the rows, in the order the list on screen must follow it; an inserted or
// replaced row with the item it shows then.
struct RowEdit {
    enum class Kind { Insert, Erase, Replace };
    Kind kind;
    size_t row;
    ShelfItem item;
    bool operator==(const RowEdit&) const = default;
};
struct ShelfChange {
    bool everyRow = false;  // the rows are all new
    std::vector<RowEdit> edits;
    // Another change after this one.
    void Then(ShelfChange next);
};

class Shelf {
public:
    // Whether one name sorts before another in the list; the folders are listed in this order.
    using Order = std::function<bool(std::wstring_view, std::wstring_view)>;
    explicit Shelf(Order order = std::less<std::wstring_view>()) : order_(std::move(order)) {}

    const std::vector<ShelfItem>& Items() const { return items_; }

    // Every item anew, in list order; the selection stays as it was.
    ShelfChange Fill(std::vector<ShelfItem> items) {
        items_ = std::move(items);
        return {true, {}};
    }
    // An item that has come into the folder, or whose position has changed: inserted at its place in
    // the order, or its row replaced; nothing when the list shows it so already.
    ShelfChange Put(ShelfItem item);
    // An item that has left the folder; nothing when it is not listed.
    ShelfChange Remove(std::wstring_view name);

    // The item the buttons act on: chosen by a click, by a rebuild of the wallpapers, by a random
    // pick. It is never cleared by a change of the rows, and may name an item that has gone.
    const std::wstring& Selected() const { return selected_; }
    // The selected item while it is listed; otherwise null and -1.
    const ShelfItem* SelectedItem() const;
    int SelectedRow() const;
    void Select(std::wstring name);
    // A click on a row; a click beside the rows (-1) selects nothing.
    void SelectRow(int row);
    // A delete is offered for a selection until a delete has been done; the next selection offers it
    // again.
    bool OffersDelete() const { return offersDelete_; }
    void WithdrawDelete() { offersDelete_ = false; }

    // Picks a place as the whole part of r * count, r drawn from `draw` in [0, 1), never the place
    // picked the time before while there are two or more items (the first pick of a run counts
    // place 0 as the one before), selects that item and gives its place; nothing on an empty shelf.
    std::optional<size_t> PickAtRandom(const std::function<double()>& draw);
    // When the pick could not be used: the place after it instead (the first after the last),
    // selected and counted as the pick; nothing while there is no other place.
    std::optional<size_t> PickFollowing();

private:
    // The row of a listed name. Found by name, not by the order, which only places new items.
    std::optional<size_t> Find(std::wstring_view name) const;
    // Where a new name goes in the order.
    size_t PlaceOf(std::wstring_view name) const;

    Order order_;
    std::vector<ShelfItem> items_;
    std::wstring selected_;
    bool offersDelete_ = true;
    int lastPick_ = 0;
};

}  // namespace dek
