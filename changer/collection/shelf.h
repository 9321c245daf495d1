// One shelf of the collection, the wallpapers or the screen savers: the names in list order, the
// item the buttons act on, and the random pick that never takes the same place twice running.
// No windows.h: tested natively.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace dek {

class Shelf {
public:
    void Fill(std::vector<std::wstring> names) { names_ = std::move(names); }
    const std::vector<std::wstring>& Names() const { return names_; }
    bool Empty() const { return names_.empty(); }

    // The item the buttons act on: chosen by a click, by a list rebuild, by a random pick. It is
    // never cleared, and may name an item that has gone meanwhile.
    const std::wstring& Selected() const { return selected_; }
    void Select(std::wstring name) { selected_ = std::move(name); }
    // The place of the selected item in the list, or -1.
    int SelectedIndex() const;

    // Picks a place as the whole part of r * count, r drawn from `draw` in [0, 1), never the
    // place picked the time before while there are two or more items (the first pick of a run
    // counts place 0 as the one before), selects that item and gives its place; nothing on an
    // empty shelf.
    std::optional<int> PickAtRandom(const std::function<double()>& draw);

private:
    std::vector<std::wstring> names_;
    std::wstring selected_;
    int lastPick_ = 0;
};

}  // namespace dek
