// Adding wallpapers and screen savers to the collection: the steps shared by the Add buttons and
// by files dropped on the main window.
#include <optional>

#include "changer/collection/collection_names.h"
#include "changer/collection/picture_window.h"
#include "changer/collection/position_dialog.h"
#include "changer/core/main_window.h"
#include "changer/core/module.h"
#include "changer/desktop/display_record.h"
#include "changer/desktop/wall_record.h"
#include "platform/files.h"
#include "platform/handles.h"
#include "platform/pictures.h"

namespace dek {
namespace {

// Whether two paths name one file: a file cannot be copied onto itself, and then nothing needs
// copying.
bool IsSameFile(const std::wstring& a, const std::wstring& b) {
    auto identity = [](const std::wstring& path) -> std::optional<BY_HANDLE_FILE_INFORMATION> {
        platform::UniqueFile file(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_EXISTING, 0, nullptr));
        BY_HANDLE_FILE_INFORMATION info;
        if (!file || !GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
        return info;
    };
    const auto first = identity(a);
    const auto second = identity(b);
    return first && second && first->dwVolumeSerialNumber == second->dwVolumeSerialNumber &&
           first->nFileIndexHigh == second->nFileIndexHigh && first->nFileIndexLow == second->nFileIndexLow;
}

// Converts a picture to a Windows bitmap through Form2's Picture1, which keeps it afterwards.
HRESULT ConvertToBitmap(const std::wstring& sourcePath, const std::wstring& bitmapPath) {
    platform::PictureLoad loaded = platform::LoadPicture(sourcePath);
    if (!loaded.picture) return loaded.error;
    PictureWindow* form2 = PictureWindow::Form2();
    if (!form2) return platform::SaveBitmap(*loaded.picture, bitmapPath);
    form2->LoadPicture(std::move(*loaded.picture));
    return platform::SaveBitmap(*form2->Picture(), bitmapPath);
}

}  // namespace

void MainWindow::AddWallpaperFile(const std::wstring& sourcePath, const std::wstring& fileName) {
    ModuleState& m = Module1();
    std::wstring name = fileName;
    // When the picture cannot be brought into the collection the add ends here: no position is
    // asked for and no record written for a wallpaper that is not there, or for whatever the
    // picture box held before.
    if (IsBitmapName(name)) {
        const std::wstring target = platform::JoinPath(m.WallDir, name);
        if (!platform::CopyFileReplacing(sourcePath, target) && !IsSameFile(sourcePath, target)) return;
    } else {
        name = ConvertedBitmapName(name);
        if (FAILED(ConvertToBitmap(sourcePath, platform::JoinPath(m.WallDir, name)))) return;
    }
    m.WallPosition = Center;
    PositionDialog::ShowModal(hwnd(), std::nullopt);
    WriteWallRecord(name, m.WallPosition);
    file1_.Refresh();
    SetWallList();
}

void MainWindow::AddScreenSaverFile(const std::wstring& sourcePath, const std::wstring& fileName) {
    // A failed copy leaves the folder as it was; the list shows what is there.
    platform::CopyFileReplacing(sourcePath, platform::JoinPath(Module1().SaverDir, fileName));
    file2_.Refresh();
}

}  // namespace dek
