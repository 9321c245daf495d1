#include "changer/collection/collection_editor.h"

#include "changer/collection/collection_names.h"
#include "changer/collection/position_dialog.h"
#include "changer/core/program.h"
#include "platform/common_dialogs.h"
#include "platform/error_text.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/picture_extensions.h"
#include "platform/picture_formats.h"
#include "platform/process.h"
#include "platform/shell.h"

namespace dek {

void CollectionEditor::AddWallpaperFromDialog() {
    // The picture kinds this machine can read.
    const std::wstring pattern = platform::PictureFilterPattern(platform::ReadablePictureExtensions());
    const std::wstring path = platform::OpenFileDialog(
        {owner_.hwnd(), L"画像ファイル", pattern, settings_.WallDefaultDir, L"壁紙をリストに追加", false});
    if (!path.empty()) AddWallpaper(path);
}

void CollectionEditor::AddScreenSaverFromDialog() {
    const std::wstring path = platform::OpenFileDialog(
        {owner_.hwnd(), L"ｽｸﾘｰﾝｾｰﾊﾞｰ", L"*.scr", settings_.SaverDefaultDir, L"ｽｸﾘｰﾝｾｰﾊﾞｰをリストに追加", false});
    // A cancelled dialog still reads the folder again.
    if (path.empty()) return lists_.Show(collection_, collection_.RefreshScreenSavers());
    AddScreenSaver(path);
}

void CollectionEditor::TakeDroppedFile(HDROP drop) {
    const std::wstring path = CutAtNul(platform::TakeFirstDroppedFile(drop));
    if (path.empty()) return;
    switch (DropKindOf(path, platform::ReadablePictureExtensions())) {
    case DropKind::ScreenSaver: AddScreenSaver(path); break;
    case DropKind::Wallpaper: AddWallpaper(path); break;
    case DropKind::Ignored: break;
    }
}

// The picture is brought in, then its position asked for (Center unless an option is clicked) and
// recorded.
void CollectionEditor::AddWallpaper(const std::wstring& source) {
    Collection::BroughtWallpaper added;
    {
        const platform::WaitCursor busy;
        added = collection_.BringWallpaper(source);
    }
    if (!added.brought.problem.empty()) return Report(CannotAddMessage(source, added.brought.problem));
    if (added.brought.picture) pictureWindow_.TakeConverted(*added.brought.picture);
    added.brought.picture.reset();
    StorePosition(added.name, PositionDialog::Ask(owner_.hwnd(), std::nullopt).value_or(Center));
}

void CollectionEditor::AddScreenSaver(const std::wstring& source) {
    const Brought brought = collection_.BringScreenSaver(source);
    if (!brought.problem.empty()) Report(CannotAddMessage(source, brought.problem));
    lists_.Show(collection_, collection_.RefreshScreenSavers());
}

// Only a wallpaper shown in the list has a record to set; closing the dialog without a click keeps
// the position it opened with.
void CollectionEditor::ChooseWallpaperPosition() {
    const ShelfItem* selected = collection_.Wallpapers().SelectedItem();
    if (!selected) return;
    const ShelfItem wallpaper = *selected;
    const DisplayPosition shown = ShownPosition(wallpaper.position);
    StorePosition(wallpaper.name, PositionDialog::Ask(owner_.hwnd(), shown).value_or(shown));
}

// The list is rebuilt either way: it shows what the desktop gets.
void CollectionEditor::StorePosition(const std::wstring& wallpaper, DisplayPosition position) {
    const DWORD error = collection_.StorePosition(wallpaper, position);
    if (error != ERROR_SUCCESS) {
        Report(CannotStorePositionMessage(collection_.Records().PathOf(wallpaper), platform::ErrorText(error)));
    }
    lists_.Show(collection_, collection_.RebuildWallpapers());
}

// The lists show what the folders hold afterwards, deleted or not.
void CollectionEditor::DeleteSelected(ShelfKind kind) {
    const std::wstring path = platform::JoinPath(collection_.FolderOf(kind), collection_.Of(kind).Selected());
    const Collection::Deleted deleted = collection_.DeleteSelected(kind);
    lists_.Show(collection_, deleted.change);
    // A file already gone is what was asked for.
    if (deleted.error != ERROR_SUCCESS && deleted.error != ERROR_FILE_NOT_FOUND) {
        Report(CannotDeleteMessage(path, platform::ErrorText(deleted.error)));
    }
}

// A picture that cannot be read (gone, or not a picture) shows nothing.
void CollectionEditor::PreviewWallpaper() {
    const platform::PictureLoad loaded =
        platform::LoadPicture(platform::JoinPath(collection_.Folders().wall, collection_.Wallpapers().Selected()));
    if (loaded.picture) pictureWindow_.ShowPreview(*loaded.picture);
}

// One that cannot be started is left alone.
void CollectionEditor::StartScreenSaver(const wchar_t* option) {
    if (const ShelfItem* saver = collection_.ScreenSavers().SelectedItem()) {
        platform::StartDetached(ScreenSaverCommandLine(collection_.Folders().saver, saver->name, option));
    }
}

void CollectionEditor::Report(const std::wstring& text) {
    platform::ShowMessage(owner_.hwnd(), text, kProgramTitle, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace dek
