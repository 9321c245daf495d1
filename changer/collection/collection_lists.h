// The main window's two lists of the collection and the buttons that act on their selections. They
// show the collection: each change of the rows as it was made, then the item the buttons act on,
// selected in its list, with the buttons enabled exactly while there is one.
#pragma once

#include <array>

#include "changer/collection/collection.h"
#include "platform/window.h"

namespace dek {

class CollectionLists {
public:
    struct Controls {
        int list;
        int deleteButton;
        std::array<int, 2> otherButtons;  // preview and apply
    };
    CollectionLists(platform::Window& window, Controls wallpapers, Controls screenSavers)
        : window_(window), wallpapers_(wallpapers), screenSavers_(screenSavers) {}

    void Show(const Collection& collection, const CollectionChange& change);
    // The selections alone, after a click or a random pick.
    void ShowSelections(const Collection& collection);

private:
    void ShowRows(const Controls& controls, const Shelf& shelf, const ShelfChange& change, bool wallpapers);
    void ShowSelection(const Controls& controls, const Shelf& shelf);

    platform::Window& window_;
    Controls wallpapers_;
    Controls screenSavers_;
};

}  // namespace dek
