#include "changer/collection/drop.h"

#include <string>

#include "changer/collection/collection_names.h"
#include "changer/core/main_window.h"

namespace dek {

void TakeDroppedFiles(HWND mainWindow, HDROP drop) {
    // Only the first file counts, taken whole however long its path.
    std::wstring path;
    if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) > 0) {
        path.resize(static_cast<size_t>(DragQueryFileW(drop, 0, nullptr, 0)) + 1);
        path.resize(DragQueryFileW(drop, 0, path.data(), static_cast<UINT>(path.size())));
    }
    // The drop's memory is released as soon as the name is read: the position dialog of an added
    // wallpaper may stay open for a long time.
    DragFinish(drop);
    path = CutAtNul(path);

    MainWindow* window = MainWindow::From(mainWindow);
    if (!window || path.empty()) return;
    switch (DropKindOf(path)) {
    case DropKind::ScreenSaver:
        window->AddScreenSaverFile(path, FileTitleOf(path));
        break;
    case DropKind::Wallpaper:
        window->AddWallpaperFile(path, FileTitleOf(path));
        break;
    case DropKind::Ignored:
        break;
    }
}

}  // namespace dek
