#include "changer/collection/wall_rows.h"

namespace dek {

wchar_t WallMarker(DisplayPosition position) {
    switch (ShownPosition(position)) {
    case Center: return kCenterMarker;
    case Tile: return kTileMarker;
    case Fit: return kFitMarker;
    case Fill: return kFillMarker;
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

}  // namespace dek
