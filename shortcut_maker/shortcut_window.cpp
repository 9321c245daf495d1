#include "shortcut_maker/shortcut_window.h"

#include <string>

#include "platform/common_dialogs.h"
#include "platform/files.h"
#include "platform/handles.h"
#include "platform/message_box.h"
#include "platform/shell_folders.h"
#include "platform/single_instance.h"
#include "resources/resource_ids.h"
#include "shortcut_maker/control_ids.h"
#include "shortcut_maker/make_shortcut.h"

namespace dekset {
namespace {

using enum platform::ControlKind;

// Client area 6630 x 1575 twips. Table order is keyboard order.
const platform::ControlSpec kLayout[] = {
    {DestinationLabel, Label, L"ショートカットを作成するフォルダ", 120, 120, 2475, 180},
    {BrowseButton, Button, L"...", 6240, 360, 255, 255},
    {CreateShortcutButton, Button, L"ショートカット作成", 3360, 1200, 1815, 255, false},
    {ExitButton, Button, L"終了", 5280, 1200, 1215, 255},
    {DestinationBox, ComboBox, L"", 120, 360, 6015, 300},
    {StartModeOption(0), Option, InfoOf(StartMode::Normal).caption.data(), 120, 720, 2655, 255},
    {StartModeOption(1), Option, InfoOf(StartMode::Hidden).caption.data(), 120, 960, 2655, 255},
    {StartModeOption(2), Option, InfoOf(StartMode::RandomOnly).caption.data(), 120, 1200, 2655, 255},
};

// A fixed single frame with a close box and no minimise or maximise box.
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

// A Japanese face by name at 9 points, the size the layout was designed for; where the face is
// missing, the font mapper picks another by the character set.
constexpr platform::FontChoice kInterfaceFont = {L"MS UI Gothic", SHIFTJIS_CHARSET, 9};

constexpr wchar_t kBrowsePrompt[] = L"ショートカットを作成するフォルダ";
constexpr wchar_t kCreatedMessage[] = L"ショートカットを作成しました";

// Keeps a label's caption on one line: where the system's font sets it wider than the label was
// designed, the label grows to the right, where nothing else stands.
void FitCaptionWidth(HWND label, const std::wstring& caption) {
    const platform::WindowDC dc(label);
    if (!dc) return;
    SIZE extent = {};
    BOOL measured;
    {
        const platform::SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
        measured = GetTextExtentPoint32W(dc.get(), caption.c_str(), static_cast<int>(caption.size()), &extent);
    }
    RECT client = {};
    GetClientRect(label, &client);
    if (measured && extent.cx > client.right) {
        SetWindowPos(label, nullptr, 0, 0, extent.cx, client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace

ShortcutWindow::~ShortcutWindow() {
    if (hwnd()) DestroyWindow(hwnd());
}

bool ShortcutWindow::Open() {
    if (!CreateTopLevel({kWindowClass, kProgramTitle, kFormStyle, 0, 6630, 1575, kInterfaceFont, nullptr, IDI_APP})) {
        return false;
    }
    CreateControls(kLayout);
    FitCaptionWidth(Control(DestinationLabel), Text(DestinationLabel));
    SetChecked(StartModeOption(0), true);

    HWND combo = Control(DestinationBox);
    ShowWindow(combo, SW_HIDE);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kStartupEntry.data()));
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kDesktopEntry.data()));
    // Choosing an entry from code counts as the user's choice, and so enables CreateShortcutButton.
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    OnDestinationChosen();
    ShowWindow(combo, SW_SHOW);

    Centre();
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    UpdateWindow(hwnd());
    return true;
}

LRESULT ShortcutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case platform::kComeForwardMessage:
        ShowWindow(hwnd(), SW_RESTORE);
        SetForegroundWindow(hwnd());
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

void ShortcutWindow::OnCommand(int id, int notification) {
    switch (id) {
    case DestinationBox:
        if (notification == CBN_SELCHANGE) OnDestinationChosen();
        break;
    case BrowseButton: BrowseForDestination(); break;  // buttons tell only of a click
    case CreateShortcutButton: CreateShortcut(); break;
    case ExitButton: DestroyWindow(hwnd()); break;
    default: break;
    }
}

// The label keeps its caption on one line at the new size of the font too.
void ShortcutWindow::OnDpiChanged() { FitCaptionWidth(Control(DestinationLabel), Text(DestinationLabel)); }

// Only a choice from the list (also from code) runs this; typing in the field does not. While the
// selection changes, the field still shows the old entry; every entry of the list is a destination.
void ShortcutWindow::OnDestinationChosen() {
    const bool chosen = SendMessageW(Control(DestinationBox), CB_GETCURSEL, 0, 0) != CB_ERR;
    Enable(CreateShortcutButton, chosen || !Text(DestinationBox).empty());
}

void ShortcutWindow::BrowseForDestination() {
    const std::wstring folder = platform::BrowseForFolder(hwnd(), kBrowsePrompt);
    if (!folder.empty()) SetText(DestinationBox, folder);
}

void ShortcutWindow::CreateShortcut() {
    const Destination destination = DestinationOf(Text(DestinationBox));
    std::wstring folder = destination.folder;
    if (destination.specialFolder) {
        const platform::SpecialFolder special = platform::SpecialFolderPath(GetDesktopWindow(), *destination.specialFolder);
        // Without its folder the shortcut would land at the root of the current drive, which is
        // not what was asked for: report it like any other failure and write nothing.
        if (special.path.empty()) {
            ShowErrorBox(hwnd(), FailureOfResult(special.result));
            return;
        }
        folder = special.path;
    }
    const ShortcutRequest request = PlanShortcut(platform::ProgramFolder(), folder, ChosenStartMode());
    if (MakeShortcut(hwnd(), request)) platform::ShowMessage(hwnd(), kCreatedMessage, kProgramTitle, MB_OK);
}

StartMode ShortcutWindow::ChosenStartMode() const {
    if (IsChecked(StartModeOption(0))) return StartMode::Normal;
    if (IsChecked(StartModeOption(1))) return StartMode::Hidden;
    return StartMode::RandomOnly;
}

}  // namespace dekset
