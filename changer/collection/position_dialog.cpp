#include "changer/collection/position_dialog.h"

#include "changer/collection/collection_window_ids.h"
#include "changer/core/ui_font.h"

namespace dek {
namespace {

using enum platform::ControlKind;

// Client area 2535 x 2775 twips. Table order is the keyboard order: "並べて表示", "中央に表示",
// OK, "拡大", then the two that came later; on screen the options stand in the order of their
// positions, OK below them.
const platform::ControlSpec kLayout[] = {
    {PositionOption(Tile), Option, L"並べて表示", 240, 600, 2055, 300},
    {PositionOption(Center), Option, L"中央に表示", 240, 240, 2055, 300},
    {PositionOkButton, Button, L"OK", 720, 2160, 1095, 375},
    {PositionOption(Stretch), Option, L"拡大", 240, 960, 2055, 300},
    {PositionOption(Fit), Option, L"画面に合わせる", 240, 1320, 2055, 300},
    {PositionOption(Fill), Option, L"画面を埋める", 240, 1680, 2055, 300},
};
constexpr DisplayPosition kPositions[] = {Center, Tile, Stretch, Fit, Fill};

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

}  // namespace

std::optional<DisplayPosition> PositionDialog::Ask(HWND owner, std::optional<DisplayPosition> preselected) {
    PositionDialog dialog;
    if (!dialog.CreateTopLevel({kPositionDialogClass, kPositionDialogTitle, kStyle, kExStyle, 2535, 2775,
                                kInterfaceFont, owner})) {
        return std::nullopt;
    }
    dialog.CreateControls(kLayout);
    if (preselected) dialog.ClickOption(*preselected);
    dialog.Centre();
    // Enter closes at once; a preselected option keeps the focus on the choice.
    dialog.RunModal(dialog.Control(dialog.chosen_ ? PositionOption(*dialog.chosen_) : PositionOkButton));
    return dialog.chosen_;
}

// The options form two groups in the keyboard order, so the toolkit's own exclusion does not reach
// across them: the choice is kept exclusive here.
void PositionDialog::ClickOption(DisplayPosition position) {
    chosen_ = position;
    for (DisplayPosition option : kPositions) SetChecked(PositionOption(option), option == position);
}

LRESULT PositionDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        for (DisplayPosition option : kPositions) {
            if (id == PositionOption(option) && HIWORD(wParam) == BN_CLICKED) ClickOption(option);
        }
        if (id == PositionOkButton || id == IDOK || id == IDCANCEL) EndModal();
        return 0;
    }
    case WM_CLOSE:
        EndModal();
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

}  // namespace dek
