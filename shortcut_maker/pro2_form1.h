// Pro2Form1, DekSet's one window "DEKショートカット作成": where the shortcut goes (Combo1 and the
// browse button), how Dek is to start (Option1), and the buttons that make it or end the program.
#pragma once

#include <windows.h>

#include "platform/window.h"
#include "shortcut_maker/shortcut_plan.h"

namespace dekset {

class Pro2Form1 final : public platform::Window {
public:
    Pro2Form1();
    ~Pro2Form1() override;

    // Creates the window, runs the load step and shows it centred; false if it could not be made.
    bool Load();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnCommand(int id, int notification);
    void Combo1_Click();
    void Command2_Click();
    void Command5_Click();
    StartMode ChosenStartMode() const;

};

}  // namespace dekset
