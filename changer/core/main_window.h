// Form1, the changer's main window "Dekorin": the two collection lists, their buttons, the change
// timer and the notification-area icon. Its methods are implemented beside the subsystem they
// belong to (core, desktop, collection, tray, dialogs); this file is the one place that lists them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "changer/core/run_mode.h"
#include "platform/file_list_box.h"
#include "platform/handles.h"
#include "platform/window.h"

namespace dek {

// What the load step decided about the rest of the run.
enum class StartOutcome {
    Running,   // the message loop runs until the user exits
    Finished,  // the one-shot change is done: end now, without the unload step
    Failed,    // start-up could not prepare the collection folders (already reported)
};

class MainWindow final : public platform::Window {
public:
    MainWindow();
    ~MainWindow() override;

    // Creates the window and runs the load step for the given command-line arguments.
    StartOutcome Load(std::wstring_view arguments);

    static MainWindow* From(HWND hwnd) { return static_cast<MainWindow*>(Window::FromHandle(hwnd)); }

    // Methods that other parts of the program call by name.
    void tuskicon1();     // put the icon into the notification area
    void tuskicon2();     // take it out
    void SetWallList();   // rebuild List1 from File1 and the display records
    void randomchange();  // change sound, then random wallpaper and random screen saver
    void randomchange1(); // random wallpaper
    void randomchange2(); // random screen saver
    void SetChangeTimer(bool enabled);
    // Adding to the collection, by the Add buttons and by drops (collection/adding.cpp).
    void AddWallpaperFile(const std::wstring& sourcePath, const std::wstring& fileName);
    void AddScreenSaverFile(const std::wstring& sourcePath, const std::wstring& fileName);

    // Form state.
    std::wstring SelectedWall;
    std::wstring SelectedSaver;
    int16_t LastWallIndex = 0;
    int16_t LastSaverIndex = 0;
    int16_t MinuteCount = 0;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Command handlers of each part of the program; each answers true for an id it handled.
    bool OnListCommand(int id, int notification);  // collection/wall_list.cpp: List1, File1, File2
    bool OnChangeCommand(int id);                  // desktop/random_change.cpp: Command4, Command8, mrc0-mrc2
    bool OnCollectionCommand(int id);              // collection/collection_commands.cpp: add, delete, position, preview
    bool OnDialogCommand(int id);                  // dialogs/dialog_commands.cpp: Command9, Command10
    bool OnTrayCommand(int id);                    // tray/tray_menu.cpp: Command11, mresize

    void CreateMenus();
    void ShowMenus(bool fileMenu, bool changeMenu);
    void OnCommand(int id, int notification);
    void OnTimer();
    // collection/wall_list.cpp: selection handling of the three lists, also run when the program
    // itself selects a row.
    void List1Click();
    void File1Click();
    void File2Click();
    // desktop/random_change.cpp: the two Change buttons, whose actions double-clicks also run.
    void Command4Click();
    void Command8Click();
    bool OnTrayMessage(UINT message, LPARAM lParam);  // tray/tray_menu.cpp: icon notifications, TaskbarCreated
    void MoveOutOfSight();
    void CenterAndShow();
    void PopUp(HMENU menu);
    void Unload();

    bool mfileVisible_ = false;
    bool mchangeVisible_ = false;
    bool unloaded_ = false;
    bool changeTimerOn_ = false;
    RunMode runMode_ = RunMode::Normal;  // as read by the load step
    platform::FileListBox file1_;  // File1: every normal file of WallDir (out of sight)
    platform::FileListBox file2_;  // File2: the "*.scr" files of SaverDir
    platform::UniqueHMenu menuBar_;
    platform::UniqueHMenu mfile_;
    platform::UniqueHMenu mchange_;
};

}  // namespace dek
