// The collection beside the program: its two lists kept as their folders are, and what changes the
// folders (bringing a file in, storing a display position, deleting), each step telling what it
// changed in the lists so that the window can show it.
#pragma once

#include <windows.h>

#include <string>

#include "changer/collection/adding.h"
#include "changer/collection/shelf.h"
#include "changer/collection/wall_records.h"
#include "changer/core/program.h"

namespace dek {

enum class ShelfKind { Wallpapers, ScreenSavers };

struct CollectionChange {
    ShelfChange wallpapers;
    ShelfChange screenSavers;
    void Then(CollectionChange next) {
        wallpapers.Then(std::move(next.wallpapers));
        screenSavers.Then(std::move(next.screenSavers));
    }
};

class Collection {
public:
    explicit Collection(const ProgramFolders& folders);

    const ProgramFolders& Folders() const { return folders_; }
    const WallRecords& Records() const { return records_; }
    Shelf& Wallpapers() { return wallpapers_; }
    const Shelf& Wallpapers() const { return wallpapers_; }
    const Shelf& ScreenSavers() const { return screenSavers_; }
    Shelf& Of(ShelfKind kind) { return kind == ShelfKind::Wallpapers ? wallpapers_ : screenSavers_; }
    std::wstring FolderOf(ShelfKind kind) const { return kind == ShelfKind::Wallpapers ? folders_.wall : folders_.saver; }

    // Lists the wallpapers anew, creating the missing display records (Center) and reading the
    // positions (all Center without `readPositions`, for a run that only picks); the last
    // wallpaper becomes selected, and an empty folder leaves the selection as it was.
    CollectionChange RebuildWallpapers(bool readPositions = true);
    // Lists the screen savers ("*.scr") anew; the selection stays.
    CollectionChange RefreshScreenSavers();

    // A file that another program added to a folder, removed or renamed: its row alone comes, goes
    // or stays, as the folder now holds it; a new wallpaper gets its display record as a rebuild
    // gives it. The selection stays.
    CollectionChange FileChanged(ShelfKind kind, const std::wstring& name);
    // The same for every file of the folder, when the names are not known.
    CollectionChange FolderChanged(ShelfKind kind);

    // Copies a picture into the wallpaper folder, converting any but a bitmap; the name it is
    // stored under, or why it could not be brought in.
    struct BroughtWallpaper {
        std::wstring name;
        Brought brought;
    };
    BroughtWallpaper BringWallpaper(const std::wstring& source);
    Brought BringScreenSaver(const std::wstring& source);
    // ERROR_SUCCESS, or why the record could not be written (the record as it was then stays).
    DWORD StorePosition(const std::wstring& wallpaper, DisplayPosition position) { return records_.Write(wallpaper, position); }
    // Deletes the selected item's file, a wallpaper's record with it (a file that cannot be deleted
    // stays, with its record), and lists the folder anew; delete is then withdrawn from the
    // selection. The system's error, or ERROR_SUCCESS.
    struct Deleted {
        DWORD error;
        CollectionChange change;
    };
    Deleted DeleteSelected(ShelfKind kind);

private:
    std::wstring_view Extension(ShelfKind kind) const { return kind == ShelfKind::Wallpapers ? L"" : L".scr"; }
    static CollectionChange Changed(ShelfKind kind, ShelfChange change);
    ShelfChange ShelfFileChanged(ShelfKind kind, const std::wstring& name);

    const ProgramFolders folders_;
    const WallRecords records_;
    Shelf wallpapers_;
    Shelf screenSavers_;
};

}  // namespace dek
