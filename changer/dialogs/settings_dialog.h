// "詳細設定", the detailed-settings dialog: the settings, and the system screen saver's wait
// time and active state. Not modal; there is at most one, it may outlive the main window, and OK
// (or Enter) is the only way out that applies anything.
#pragma once

#include <windows.h>

#include <string>

#include "changer/core/settings.h"
#include "changer/desktop/change_timer.h"
#include "platform/window.h"

namespace dek {

class SettingsDialog final : public platform::Window {
public:
    // OK writes into `settings` and the store and makes `timer` follow them. The folder browser
    // belongs to `mainWindow`, as long as that is open.
    SettingsDialog(Settings& settings, ChangeTimer& timer, const platform::Window& mainWindow, std::wstring programFolder);

    // Opens the dialog, or fills it again from the settings and the system when it is open:
    // whatever was typed into it is replaced.
    void Open();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool Create();
    void Fill();
    void OnCommand(int id, int notification);

    // The live rules; each also runs after changes that the program makes.
    void OnTimedChangeClicked();
    void OnIntervalChanged();
    void OnWaitTimeChanged();
    void UpdateOkButton();
    // Replaces a box's text without running its rule again for that change.
    void CorrectText(int id, const std::wstring& text);

    void BrowseInto(int textId);
    void ChooseSoundFile();
    void Confirm();

    Settings& settings_;
    ChangeTimer& timer_;
    const platform::Window& mainWindow_;
    std::wstring programFolder_;
    bool correcting_ = false;
};

}  // namespace dek
