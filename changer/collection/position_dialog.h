// "壁紙の表示位置", the display-position dialog: an option per position and OK. It is created for
// each showing and destroyed when it closes.
#pragma once

#include <windows.h>

#include <optional>

#include "changer/collection/display_record.h"
#include "platform/window.h"

namespace dek {

class PositionDialog final : public platform::Window {
public:
    // Shows the dialog modally and returns once it has closed, by OK or any other way (it has no
    // cancel): the position of the option clicked last, or nothing when none was. `preselected`
    // is selected as if clicked when the dialog opens; otherwise no option is.
    static std::optional<DisplayPosition> Ask(HWND owner, std::optional<DisplayPosition> preselected);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    PositionDialog() = default;
    void ClickOption(DisplayPosition position);

    std::optional<DisplayPosition> chosen_;
};

}  // namespace dek
