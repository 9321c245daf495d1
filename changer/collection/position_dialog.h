// Form4 "壁紙の表示位置", the display-position dialog: three options and OK. It is created for
// each showing and destroyed when it closes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/window.h"

namespace dek {

class PositionDialog final : public platform::Window {
public:
    // Shows the dialog modally and returns once it has closed, by OK or any other way. A click on
    // an option sets WallPosition at once, so it holds the option clicked last. `preselected`
    // (0, 1 or 2) is selected as if clicked when the dialog opens; otherwise no option is.
    static void ShowModal(HWND owner, std::optional<int16_t> preselected);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    PositionDialog() = default;
    bool Create(HWND owner);
    void ClickOption(int index);
    void Close();

    std::vector<HWND> disabledWindows_;  // given their input back when the dialog closes
};

}  // namespace dek
