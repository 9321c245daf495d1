#include "changer/collection/position_dialog.h"

#include "changer/collection/form_ids.h"
#include "changer/core/ui_font.h"

namespace dek {
namespace {

using platform::ControlKind;
using platform::ControlSpec;

// Client area 2535 x 2055 twips. Table order is the keyboard order: "並べて表示", "中央に表示",
// OK, "拡大"; on screen the options stand in the order of their positions, 0 to 2.
const ControlSpec kLayout[] = {
    {Form4Option1 + 1, ControlKind::Option, L"並べて表示", 240, 600, 2055, 300},
    {Form4Option1 + 0, ControlKind::Option, L"中央に表示", 240, 240, 2055, 300},
    {Form4Command1, ControlKind::Button, L"OK", 720, 1440, 1095, 375},
    {Form4Option1 + 2, ControlKind::Option, L"拡大", 240, 960, 2055, 300},
};

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

}  // namespace

std::optional<DisplayPosition> PositionDialog::Ask(HWND owner, std::optional<DisplayPosition> preselected) {
    PositionDialog dialog;
    if (!dialog.CreateTopLevel({kPositionDialogClass, kPositionDialogTitle, kStyle, kExStyle, 2535, 2055,
                                kInterfaceFont, owner})) {
        return std::nullopt;
    }
    dialog.CreateControls(kLayout);
    if (preselected && *preselected >= 0 && *preselected <= 2) dialog.ClickOption(*preselected);

    // Modal: the program's other windows take no input until the dialog has closed.
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM lParam) -> BOOL {
            auto* self = reinterpret_cast<PositionDialog*>(lParam);
            if (window != self->hwnd() && IsWindowEnabled(window) && IsWindowVisible(window)) {
                self->disabledWindows_.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&dialog));
    for (HWND window : dialog.disabledWindows_) EnableWindow(window, FALSE);

    dialog.Centre();
    ShowWindow(dialog.hwnd(), SW_SHOWNORMAL);
    // Enter closes at once; a preselected option keeps the focus on the choice.
    SetFocus(dialog.Control(dialog.chosen_ ? Form4Option1 + *dialog.chosen_ : Form4Command1));

    MSG msg;
    while (dialog.hwnd()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: the outer loop must see the quit too.
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (dialog.hwnd() && IsDialogMessageW(dialog.hwnd(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    dialog.Close();
    return dialog.chosen_;
}

void PositionDialog::ClickOption(int index) {
    chosen_ = static_cast<DisplayPosition>(index);
    // The options form two groups in the keyboard order, so the toolkit's own exclusion does not
    // reach across them: the choice is kept exclusive here.
    for (int i = 0; i < 3; ++i) SetChecked(Form4Option1 + i, i == index);
}

// The windows are given their input back before the dialog goes, so that activation returns to
// them and not to another program.
void PositionDialog::Close() {
    for (HWND window : disabledWindows_) EnableWindow(window, TRUE);
    disabledWindows_.clear();
    if (hwnd()) DestroyWindow(hwnd());
}

LRESULT PositionDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (id >= Form4Option1 && id <= Form4Option1 + 2 && HIWORD(wParam) == BN_CLICKED) {
            ClickOption(id - Form4Option1);
        } else if (id == Form4Command1 || id == IDOK || id == IDCANCEL) {
            Close();
        }
        return 0;
    }
    case WM_CLOSE:
        Close();
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

}  // namespace dek
