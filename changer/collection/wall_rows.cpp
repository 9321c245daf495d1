#include "changer/collection/wall_rows.h"

namespace dek {

wchar_t WallMarker(DisplayPosition position) {
    switch (position) {
    case Center: return kCenterMarker;
    case Tile: return kTileMarker;
    default: return kStretchMarker;
    }
}

std::wstring WallRow(DisplayPosition position, std::wstring_view fileName) {
    std::wstring row;
    row.reserve(fileName.size() + 2);
    row += WallMarker(position);
    row += kRowSpace;
    row += fileName;
    return row;
}

WallRowParts ParseWallRow(std::wstring_view row) {
    WallRowParts parts;
    if (row.size() > 2) parts.fileName = row.substr(2);
    if (!row.empty()) {
        switch (row.front()) {
        case kCenterMarker: parts.position = Center; break;
        case kTileMarker: parts.position = Tile; break;
        case kStretchMarker: parts.position = Stretch; break;
        default: break;
        }
    }
    return parts;
}

}  // namespace dek
