// The display record files of the wallpapers, one "<picture name>.dat" per wallpaper in the
// collection's "dat" folder.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "changer/collection/display_record.h"
#include "changer/collection/shelf.h"

namespace dek {

class WallRecords {
public:
    explicit WallRecords(std::wstring datFolder) : folder_(std::move(datFolder)) {}

    std::wstring PathOf(std::wstring_view wallpaper) const;
    // The position in the wallpaper's record; Center when there is no record (no normal file of
    // that name) or it cannot be read.
    DisplayPosition Read(std::wstring_view wallpaper) const;
    // Creates the record or replaces it whole; ERROR_SUCCESS, or why it could not be written
    // (the record as it was then stays).
    DWORD Write(std::wstring_view wallpaper, DisplayPosition position) const;
    // The position of a wallpaper that has come into the folder, its record created (Center) when
    // it has none, as the list rebuild does.
    DisplayPosition ReadOrCreate(std::wstring_view wallpaper) const;
    // Removes the record, if there is one.
    void Remove(std::wstring_view wallpaper) const;

    // For the list rebuild: creates the record (Center) of every wallpaper of `wallpapers` (as the
    // wallpaper folder was just listed) that has none, and sets each one's position from its
    // record (all Center unless `readPositions`). One read of the record folder stands in for a
    // lookup per name.
    void Complete(std::vector<ShelfItem>& wallpapers, bool readPositions) const;

private:
    std::wstring folder_;
};

}  // namespace dek
