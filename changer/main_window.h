// The changer's main window "Dekorin": the two lists of the collection with their buttons. It holds
// the parts of a run that stays (the collection and its lists, the desktop changer, the change
// timer, the notification-area icon, the settings dialog), runs the start-up and the shutdown, and
// routes every message to the part it concerns.
#pragma once

#include <windows.h>

#include <functional>

#include "changer/collection/collection.h"
#include "changer/collection/collection_editor.h"
#include "changer/collection/collection_lists.h"
#include "changer/core/program.h"
#include "changer/core/run_mode.h"
#include "changer/core/settings.h"
#include "changer/desktop/change_sound.h"
#include "changer/desktop/change_timer.h"
#include "changer/desktop/desktop_changer.h"
#include "changer/dialogs/settings_dialog.h"
#include "changer/tray/tray_icon.h"
#include "platform/folder_watch.h"
#include "platform/shell.h"
#include "platform/window.h"

namespace dek {

// What a test replaces: the length of the change timer's minute, the change sound's player, the
// shell's word on whether the user is busy, and the monitors.
struct MainWindowSeams {
    UINT minuteMilliseconds = 60000;
    SoundPlayer playSound = PlayWithSystem;
    std::function<int()> userState = platform::UserNotificationState;
    DesktopChanger::Monitors monitors = platform::DisplayMonitors;
};

class MainWindow final : public platform::Window {
public:
    explicit MainWindow(const ProgramFolders& folders, MainWindowSeams seams = {});
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
    void OnListClicked(ShelfKind kind, int list);
    void OnFilesChanged();
    void ChangeAtRandom(TrayMenuItem which);
    void Report(const std::wstring& problem);
    void ReportOnce(const std::wstring& problem);
    void Unload();

    // The notification area.
    void OnTrayNotification(LPARAM notification);
    void HideToTray();
    void ShowWhereItStands();
    void CentreAndShow();

    const MainWindowSeams seams_;
    Settings settings_;
    Collection collection_;
    CollectionLists lists_;
    CollectionEditor editor_;
    DesktopChanger changer_;
    ChangeTimer timer_;
    TrayIcon tray_;
    SettingsDialog settingsDialog_;
    // Wall and Saver, in this order: files that other programs put there or take away.
    platform::FolderWatch folderWatch_;
    bool unloaded_ = false;
    bool randomChangeFailed_ = false;
};

}  // namespace dek
