// DekSet's one window "DEKショートカット作成": where the shortcut goes (the destination box and
// its browse button), how Dek is to start (three options), and the buttons that make it or end
// the program.
#pragma once

#include <windows.h>

#include "platform/window.h"
#include "shortcut_maker/shortcut_plan.h"

namespace dekset {

class ShortcutWindow final : public platform::Window {
public:
    ShortcutWindow() = default;
    ~ShortcutWindow() override;

    // Creates the window with the Startup folder and the normal start chosen, and shows it
    // centred; false if it could not be made.
    bool Open();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDpiChanged() override;

private:
    void OnCommand(int id, int notification);
    void OnDestinationChosen();
    void BrowseForDestination();
    void CreateShortcut();
    StartMode ChosenStartMode() const;
};

}  // namespace dekset
