#include "changer/collection/collection_lists.h"

#include "changer/collection/wall_rows.h"
#include "platform/list_box.h"

namespace dek {

void CollectionLists::Show(const Collection& collection, const CollectionChange& change) {
    ShowRows(wallpapers_, collection.Wallpapers(), change.wallpapers, true);
    ShowRows(screenSavers_, collection.ScreenSavers(), change.screenSavers, false);
    ShowSelections(collection);
}

void CollectionLists::ShowSelections(const Collection& collection) {
    ShowSelection(wallpapers_, collection.Wallpapers());
    ShowSelection(screenSavers_, collection.ScreenSavers());
}

void CollectionLists::ShowRows(const Controls& controls, const Shelf& shelf, const ShelfChange& change, bool wallpapers) {
    const HWND list = window_.Control(controls.list);
    auto rowOf = [&](const ShelfItem& item) { return wallpapers ? WallRow(item.position, item.name) : item.name; };
    if (change.everyRow) {
        std::vector<std::wstring> rows;
        rows.reserve(shelf.Items().size());
        for (const ShelfItem& item : shelf.Items()) rows.push_back(rowOf(item));
        platform::FillListBox(list, rows);
        return;
    }
    for (const RowEdit& edit : change.edits) {
        const int row = static_cast<int>(edit.row);
        if (edit.kind != RowEdit::Kind::Insert) platform::DeleteListRow(list, row);
        if (edit.kind != RowEdit::Kind::Erase) platform::InsertListRow(list, row, rowOf(edit.item));
    }
}

void CollectionLists::ShowSelection(const Controls& controls, const Shelf& shelf) {
    platform::SelectListRow(window_.Control(controls.list), shelf.SelectedRow());
    const bool selected = !shelf.Selected().empty();
    for (int id : controls.otherButtons) window_.Enable(id, selected);
    window_.Enable(controls.deleteButton, selected && shelf.OffersDelete());
}

}  // namespace dek
