#include "shortcut_maker/pro2_form1.h"

#include <string>

#include "platform/files.h"
#include "platform/handles.h"
#include "platform/message_box.h"
#include "resources/resource_ids.h"
#include "shortcut_maker/control_ids.h"
#include "shortcut_maker/folders.h"
#include "shortcut_maker/make_shortcut.h"

namespace dekset {
namespace {

using platform::ControlKind;
using platform::ControlSpec;

// Client area 6630 x 1575 twips. Table order is keyboard order.
const ControlSpec kLayout[] = {
    {Label2, ControlKind::Label, L"ショートカットを作成するフォルダ", 120, 120, 2475, 180},
    {Command2, ControlKind::Button, L"...", 6240, 360, 255, 255},
    {Command5, ControlKind::Button, L"ショートカット作成", 3360, 1200, 1815, 255, false},
    {Command6, ControlKind::Button, L"終了", 5280, 1200, 1215, 255},
    {Combo1, ControlKind::ComboBox, L"", 120, 360, 6015, 300},
    {Option1(0), ControlKind::Option, InfoOf(StartMode::Normal).caption.data(), 120, 720, 2655, 255},
    {Option1(1), ControlKind::Option, InfoOf(StartMode::Hidden).caption.data(), 120, 960, 2655, 255},
    {Option1(2), ControlKind::Option, InfoOf(StartMode::RandomOnly).caption.data(), 120, 1200, 2655, 255},
};

// A fixed single frame with a close box and no minimise or maximise box.
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

constexpr wchar_t kBrowsePrompt[] = L"ショートカットを作成するフォルダ";
constexpr wchar_t kCreatedMessage[] = L"ショートカットを作成しました";

// Keeps a label's caption on one line: where the system's font sets it wider than the label was
// designed, the label grows to the right, where nothing else stands.
void FitCaptionWidth(HWND label) {
    const int length = GetWindowTextLengthW(label);
    std::wstring caption(static_cast<size_t>(length) + 1, L'\0');
    caption.resize(static_cast<size_t>(GetWindowTextW(label, caption.data(), length + 1)));
    HDC dc = GetDC(label);
    if (!dc) return;
    platform::ScopeExit release([&] { ReleaseDC(label, dc); });
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    SIZE extent = {};
    const BOOL measured = GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    SelectObject(dc, previous);
    RECT client = {};
    GetClientRect(label, &client);
    if (measured && extent.cx > client.right) {
        SetWindowPos(label, nullptr, 0, 0, extent.cx, client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace

Pro2Form1::Pro2Form1() = default;

Pro2Form1::~Pro2Form1() {
    if (hwnd()) DestroyWindow(hwnd());
}

bool Pro2Form1::Load() {
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP));
    if (!CreateTopLevel(kWindowClass, kProgramTitle, kFormStyle, 0, 6630, 1575, nullptr, icon)) return false;
    CreateControls(kLayout);
    FitCaptionWidth(Control(Label2));
    SetChecked(Option1(0), true);

    HWND combo = Control(Combo1);
    ShowWindow(combo, SW_HIDE);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kStartupEntry.data()));
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kDesktopEntry.data()));
    // Choosing an entry from code counts as the user's choice, and so enables Command5.
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    Combo1_Click();
    ShowWindow(combo, SW_SHOW);

    CenterOnScreen();
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    UpdateWindow(hwnd());
    return true;
}

LRESULT Pro2Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

void Pro2Form1::OnCommand(int id, int notification) {
    switch (id) {
    case Combo1:
        if (notification == CBN_SELCHANGE) Combo1_Click();
        break;
    case Command2:
        if (notification == BN_CLICKED) Command2_Click();
        break;
    case Command5:
        if (notification == BN_CLICKED) Command5_Click();
        break;
    case Command6:
        if (notification == BN_CLICKED) DestroyWindow(hwnd());
        break;
    default:
        break;
    }
}

void Pro2Form1::Combo1_Click() {
    // While the selection changes, the text field still shows the old entry: read the new one.
    HWND combo = Control(Combo1);
    const LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    std::wstring text;
    if (selected != CB_ERR) {
        const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
        if (length > 0) {
            text.resize(static_cast<size_t>(length) + 1);
            const LRESULT got =
                SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
            text.resize(got > 0 ? static_cast<size_t>(got) : 0);
        }
    } else {
        text = Text(Combo1);
    }
    Enable(Command5, !text.empty());
}

void Pro2Form1::Command2_Click() {
    const std::wstring folder = ChooseFolder(hwnd(), kBrowsePrompt);
    if (!folder.empty()) SetText(Combo1, folder);
}

void Pro2Form1::Command5_Click() {
    const Destination destination = DestinationOf(Text(Combo1));
    std::wstring folder = destination.folder;
    if (destination.specialFolder) {
        const platform::SpecialFolder special = GetSpecialFolder(*destination.specialFolder);
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

StartMode Pro2Form1::ChosenStartMode() const {
    if (IsChecked(Option1(0))) return StartMode::Normal;
    if (IsChecked(Option1(1))) return StartMode::Hidden;
    return StartMode::RandomOnly;
}

}  // namespace dekset
