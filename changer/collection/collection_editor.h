// What the collection's buttons and a drop on the main window do: adding a wallpaper or a screen
// saver (open-file dialog or drop), choosing a wallpaper's display position, deleting, the
// wallpaper preview, and starting a screen saver. Each shows its outcome in the lists; a file that
// could not be taken or a position that could not be stored is reported by name, with the reason.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "changer/collection/collection.h"
#include "changer/collection/collection_lists.h"
#include "changer/collection/picture_window.h"
#include "changer/core/settings.h"
#include "platform/window.h"

namespace dek {

class CollectionEditor {
public:
    // Dialogs and messages belong to `owner`; the Add dialogs open in the folders of `settings`.
    CollectionEditor(Collection& collection, CollectionLists& lists, const Settings& settings, const platform::Window& owner)
        : collection_(collection), lists_(lists), settings_(settings), owner_(owner) {}

    void AddWallpaperFromDialog();
    void AddScreenSaverFromDialog();
    // The first dropped file, by its name: a screen saver, a picture of a kind this machine reads;
    // other files are left alone.
    void TakeDroppedFile(HDROP drop);
    // The position dialog for the selected wallpaper, opened with the position its row shows.
    void ChooseWallpaperPosition();
    void DeleteSelected(ShelfKind kind);
    void PreviewWallpaper();
    // "/s" runs the selected screen saver, "/c" opens its settings.
    void StartScreenSaver(const wchar_t* option);

private:
    void AddWallpaper(const std::wstring& source);
    void AddScreenSaver(const std::wstring& source);
    void StorePosition(const std::wstring& wallpaper, DisplayPosition position);
    void Report(const std::wstring& text);

    Collection& collection_;
    CollectionLists& lists_;
    const Settings& settings_;
    const platform::Window& owner_;
    PictureWindow pictureWindow_;
};

}  // namespace dek
