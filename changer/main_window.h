// The changer's main window "Dekorin": the two lists of the collection with their buttons. It
// holds the parts of a run that stays (the shelves, the desktop changer, the change timer, the
// notification-area icon, the dialogs), runs the start-up and the shutdown, and routes every
// message to the part it concerns.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "changer/collection/picture_window.h"
#include "changer/collection/shelf.h"
#include "changer/collection/wall_records.h"
#include "changer/core/program.h"
#include "changer/core/run_mode.h"
#include "changer/core/settings.h"
#include "changer/desktop/change_timer.h"
#include "changer/desktop/desktop_changer.h"
#include "changer/dialogs/settings_dialog.h"
#include "changer/tray/tray_icon.h"
#include "platform/window.h"

namespace dek {

class MainWindow final : public platform::Window {
public:
    explicit MainWindow(const ProgramFolders& folders);
    ~MainWindow() override;

    // The start-up of a run that stays (normal, or hidden for any other argument but "-e"): the
    // icon, the collection folders, the lists, the settings, the timer and the start-up change.
    // False when the folders could not be prepared (reported already).
    bool Start(RunMode mode);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDpiChanged() override;

private:
    void OnCommand(int id, int notification);
    void Unload();

    // The lists and the selection the buttons act on.
    void RebuildWallpaperList();
    void RefreshScreenSaverList();
    void OnWallpaperRowClicked();
    void OnScreenSaverRowClicked();
    void ShowWallpaperSelection();
    void ShowScreenSaverSelection();

    // Changes.
    void ChangeAtRandom();
    void ChangeWallpaperAtRandom();
    void ChangeScreenSaverAtRandom();

    // The collection.
    void AddWallpaperFromDialog();
    void AddScreenSaverFromDialog();
    void AddWallpaper(const std::wstring& source);
    void AddScreenSaver(const std::wstring& source);
    void TakeDroppedFile(HDROP drop);
    void ChooseWallpaperPosition();
    void StoreWallpaperPosition(const std::wstring& wallpaper);
    void DeleteWallpaper();
    void DeleteScreenSaver();
    void PreviewWallpaper();
    void StartScreenSaver(const std::wstring& name, const wchar_t* option);
    void ReportProblem(const std::wstring& text);

    // The notification area.
    void OnTrayNotification(LPARAM notification);
    void HideToTray();
    void ShowWhereItStands();
    void CentreAndShow();

    const ProgramFolders folders_;
    Settings settings_;
    Shelf wallpapers_;
    Shelf screenSavers_;
    WallRecords records_;
    // The position of the wallpaper last clicked, added or placed: the one the position dialog
    // offers next.
    DisplayPosition wallPosition_ = Center;
    DesktopChanger changer_;
    ChangeTimer timer_;
    TrayIcon tray_;
    SettingsDialog settingsDialog_;
    PictureWindow pictureWindow_;
    bool unloaded_ = false;
};

}  // namespace dek
