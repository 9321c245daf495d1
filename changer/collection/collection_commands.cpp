// The collection's buttons: add, delete, display position, previews and screen-saver settings.
#include <optional>
#include <string>

#include "changer/collection/collection_names.h"
#include "changer/collection/picture_window.h"
#include "changer/collection/position_dialog.h"
#include "changer/core/control_ids.h"
#include "changer/core/main_window.h"
#include "changer/core/module.h"
#include "changer/desktop/wall_record.h"
#include "platform/common_dialogs.h"
#include "platform/files.h"
#include "platform/pictures.h"

namespace dek {
namespace {

// Starts a command line as a process of its own, in a normal window, without waiting for it.
// A program that cannot be started is left alone without a word.
void StartDetached(std::wstring commandLine) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started = {};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
}

}  // namespace

bool MainWindow::OnCollectionCommand(int id) {
    ModuleState& m = Module1();
    switch (id) {
    case Command1: {  // wallpaper 追加
        const std::wstring path = platform::OpenFileDialog({hwnd(), L"画像ファイル", L"*.bmp;*.gif;*.jpg",
                                                            m.settings.WallDefaultDir, L"壁紙をリストに追加", false});
        if (!path.empty()) AddWallpaperFile(path, FileTitleOf(path));
        return true;
    }
    case Command5: {  // screen saver 追加
        const std::wstring path = platform::OpenFileDialog(
            {hwnd(), L"ｽｸﾘｰﾝｾｰﾊﾞｰ", L"*.scr", m.settings.SaverDefaultDir, L"ｽｸﾘｰﾝｾｰﾊﾞｰをリストに追加", false});
        if (path.empty()) {
            file2_.Refresh();
        } else {
            AddScreenSaverFile(path, FileTitleOf(path));
        }
        return true;
    }
    case Command2: {  // wallpaper 削除
        const std::wstring picture = platform::JoinPath(m.WallDir, SelectedWall);
        // A file that cannot be deleted is skipped. Its record goes only with the picture itself:
        // a picture still there keeps its position.
        platform::DeleteFileAt(picture);
        if (platform::LookUpEntry(picture) == platform::EntryKind::Missing) {
            const std::wstring record = WallRecordPath(SelectedWall);
            if (platform::IsNormalFile(record)) platform::DeleteFileAt(record);
        }
        file1_.Refresh();
        SetWallList();
        Enable(Command2, false);
        return true;
    }
    case Command6:  // screen saver 削除
        platform::DeleteFileAt(platform::JoinPath(m.SaverDir, SelectedSaver));
        file2_.Refresh();
        Enable(Command6, false);
        return true;
    case Command13:  // 表示位置
        // Before any wallpaper has been selected there is no record to set.
        if (SelectedWall.empty()) return true;
        PositionDialog::ShowModal(hwnd(), m.WallPosition);
        WriteWallRecord(SelectedWall, m.WallPosition);
        SetWallList();
        return true;
    case Command3: {  // wallpaper ﾌﾟﾚ ﾋﾞｭｰ
        // A picture that cannot be read (gone, or not a picture) shows nothing.
        platform::PictureLoad loaded = platform::LoadPicture(platform::JoinPath(m.WallDir, SelectedWall));
        PictureWindow* form2 = loaded.picture ? PictureWindow::Form2() : nullptr;
        if (!form2) return true;
        form2->LoadPicture(std::move(*loaded.picture));
        form2->ShowPreview();
        return true;
    }
    case Command7:  // screen saver ﾌﾟﾚ ﾋﾞｭｰ
        if (!SelectedSaver.empty()) StartDetached(ScreenSaverCommandLine(m.SaverDir, SelectedSaver, L"/s"));
        return true;
    case Command14: {  // screen saver 設定: the name selected in File2 now
        const std::wstring name = file2_.SelectedName();
        if (!name.empty()) StartDetached(ScreenSaverCommandLine(m.SaverDir, name, L"/c"));
        return true;
    }
    default:
        return false;
    }
}

}  // namespace dek
