// Form3 "詳細設定", the detailed-settings dialog: the seven settings, and the system screen
// saver's wait time and active state. Not modal; there is at most one, and OK is the only way
// out that applies anything.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/window.h"

namespace dek {

class MainWindow;

// Opens the one settings dialog (not modal), or fills it again when it is already open.
void OpenSettingsDialog(MainWindow& mainWindow);

// The shell's folder browser, owned by `owner` (the main window): the chosen folder's full path,
// of any length the shell gives, or "" when the user cancelled. Only file-system folders can be
// confirmed.
std::wstring BrowseFolder(HWND owner, std::wstring_view title);

class SettingsDialog final : public platform::Window {
public:
    // The one dialog, created when none is open; filled from the module state and the system.
    static void Open(MainWindow& mainWindow);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    SettingsDialog() = default;
    bool Create();
    void Fill();
    void OnCommand(int id, int notification);

    // The live rules; each also runs after changes that the program makes.
    void OnCheck2Click();
    void OnText1Change();
    void OnText4Change();
    void UpdateOkButton();
    // Replaces a box's text without running its rule again for that change.
    void CorrectText(int id, const std::wstring& text);

    MainWindow* LiveMainWindow() const;
    void BrowseInto(int textId);
    void ChooseSoundFile();
    void Confirm();

    HWND mainWindow_ = nullptr;  // looked up again when used: it may have closed meanwhile
    bool correcting_ = false;
    int busy_ = 0;  // handlers of this dialog running (one may wait in a nested dialog)
};

}  // namespace dek
