#include "changer/collection/collection.h"

#include "changer/collection/collection_names.h"
#include "platform/files.h"

#include <unordered_set>

namespace dek {
namespace {

std::vector<ShelfItem> ItemsNamed(std::vector<std::wstring> names) {
    std::vector<ShelfItem> items;
    items.reserve(names.size());
    for (std::wstring& name : names) items.push_back({std::move(name)});
    return items;
}

}  // namespace

Collection::Collection(const ProgramFolders& folders)
    : folders_(folders), records_(folders.dat), wallpapers_(platform::ListOrder), screenSavers_(platform::ListOrder) {}

CollectionChange Collection::RebuildWallpapers(bool readPositions) {
    std::vector<ShelfItem> items = ItemsNamed(platform::ListFiles(folders_.wall));
    records_.Complete(items, readPositions);
    // An empty folder leaves the selection as it was.
    if (!items.empty()) wallpapers_.Select(items.back().name);
    return {wallpapers_.Fill(std::move(items)), {}};
}

CollectionChange Collection::RefreshScreenSavers() {
    return {{}, screenSavers_.Fill(ItemsNamed(platform::ListFiles(folders_.saver, Extension(ShelfKind::ScreenSavers))))};
}

CollectionChange Collection::Changed(ShelfKind kind, ShelfChange change) {
    return kind == ShelfKind::Wallpapers ? CollectionChange{std::move(change), {}} : CollectionChange{{}, std::move(change)};
}

CollectionChange Collection::FileChanged(ShelfKind kind, const std::wstring& name) {
    return Changed(kind, ShelfFileChanged(kind, name));
}

ShelfChange Collection::ShelfFileChanged(ShelfKind kind, const std::wstring& name) {
    // As the folder is listed: normal files only (a writer's hidden temporary is none), screen
    // savers by their extension.
    if (!platform::IsNormalFile(platform::JoinPath(FolderOf(kind), name)) || !platform::NameEndsWith(name, Extension(kind))) {
        return Of(kind).Remove(name);
    }
    ShelfItem item{name};
    if (kind == ShelfKind::Wallpapers) item.position = records_.ReadOrCreate(name);
    return Of(kind).Put(std::move(item));
}

CollectionChange Collection::FolderChanged(ShelfKind kind) {
    const std::vector<std::wstring> names = platform::ListFiles(FolderOf(kind), Extension(kind));
    const std::unordered_set<std::wstring> listed(names.begin(), names.end());
    std::unordered_set<std::wstring> shown;
    ShelfChange change;
    for (const ShelfItem& item : std::vector(Of(kind).Items())) {
        if (listed.contains(item.name)) shown.insert(item.name);
        else change.Then(Of(kind).Remove(item.name));
    }
    for (const std::wstring& name : names) {
        if (!shown.contains(name)) change.Then(ShelfFileChanged(kind, name));
    }
    return Changed(kind, std::move(change));
}

// A bitmap is copied as it is; any other picture is stored converted, under the name
// ConvertedBitmapName gives.
Collection::BroughtWallpaper Collection::BringWallpaper(const std::wstring& source) {
    const std::wstring name = FileTitleOf(source);
    const bool bitmap = IsBitmapName(name);
    const std::wstring stored = bitmap ? name : ConvertedBitmapName(name);
    const std::wstring target = platform::JoinPath(folders_.wall, stored);
    return {stored, bitmap ? CopyIntoCollection(source, target) : ConvertIntoCollection(source, target)};
}

Brought Collection::BringScreenSaver(const std::wstring& source) {
    return CopyIntoCollection(source, platform::JoinPath(folders_.saver, FileTitleOf(source)));
}

Collection::Deleted Collection::DeleteSelected(ShelfKind kind) {
    const bool wallpaper = kind == ShelfKind::Wallpapers;
    const std::wstring name = Of(kind).Selected();
    const std::wstring path = platform::JoinPath(FolderOf(kind), name);
    const DWORD error = platform::DeleteFileAt(path) ? ERROR_SUCCESS : GetLastError();
    // The record goes only with the picture itself.
    if (wallpaper && platform::LookUpEntry(path) == platform::EntryKind::Missing) records_.Remove(name);
    Deleted deleted = {error, wallpaper ? RebuildWallpapers() : RefreshScreenSavers()};
    Of(kind).WithdrawDelete();
    return deleted;
}

}  // namespace dek
