#include "changer/dialogs/settings_dialog.h"

#include <optional>

#include "changer/core/settings_registry.h"
#include "changer/core/ui_font.h"
#include "changer/dialogs/numeric_text.h"
#include "changer/dialogs/settings_dialog_ids.h"
#include "platform/common_dialogs.h"

namespace dek {
namespace {

using platform::ControlKind;
using platform::ControlSpec;

constexpr int kClientWidth = 4575;
constexpr int kClientHeight = 5295;

// Top to bottom; table order is keyboard order, and each frame comes before what it holds.
const ControlSpec kLayout[] = {
    {Form3Frame2, ControlKind::Frame, L"ﾃﾞﾌｫﾙﾄのﾃﾞｨﾚｸﾄﾘ", 120, 60, 4335, 1410},
    {Form3Label2, ControlKind::Label, L"壁紙", 240, 300, 3615, 210},
    {Form3Text2, ControlKind::Edit, L"", 240, 510, 3615, 285},
    {Form3Command2, ControlKind::Button, L"...", 3960, 510, 375, 285},
    {Form3Label3, ControlKind::Label, L"ｽｸﾘｰﾝｾｰﾊﾞｰ", 240, 870, 3615, 210},
    {Form3Text3, ControlKind::Edit, L"", 240, 1080, 3615, 285},
    {Form3Command3, ControlKind::Button, L"...", 3960, 1080, 375, 285},
    {Form3Frame1, ControlKind::Frame, L"ｽｸﾘｰﾝｾｰﾊﾞｰ固有の設定", 120, 1560, 4335, 1140},
    {Form3Label5, ControlKind::Label, L"待ち時間", 240, 1845, 840, 210},
    {Form3Text4, ControlKind::Edit, L"0", 1080, 1800, 615, 285},
    {Form3Label4, ControlKind::Label, L"分 (1 ～ 60)", 1800, 1845, 2535, 210},
    {Form3Option1On, ControlKind::Option, L"ON", 240, 2145, 1095, 240},
    {Form3Option1Off, ControlKind::Option, L"OFF", 240, 2385, 1095, 240},
    {Form3Check1, ControlKind::CheckBox, L"起動時に変更", 120, 2790, 4335, 240},
    {Form3Check2, ControlKind::CheckBox, L"一定時間ごとに変更", 120, 3060, 4335, 240},
    {Form3Text1, ControlKind::Edit, L"0", 360, 3330, 735, 285},
    {Form3Label1, ControlKind::Label, L"分 (0なら変更しない)", 1200, 3375, 3255, 210},
    {Form3Check3, ControlKind::CheckBox, L"変更時にｻｳﾝﾄﾞを再生する", 120, 3705, 4335, 240},
    {Form3Label7, ControlKind::Label, L"WAVﾌｧｲﾙの場所:", 120, 4005, 4335, 210},
    {Form3Text5, ControlKind::Edit, L"", 120, 4230, 3855, 285},
    {Form3Command4, ControlKind::Button, L"...", 4080, 4230, 375, 285},
    {Form3Command1, ControlKind::Button, L"OK", 3360, 4740, 1095, 375},
};

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

constexpr wchar_t kFolderBrowseTitle[] = L"ﾃﾞﾌｫﾙﾄのﾃﾞｨﾚｸﾄﾘの指定";

int16_t CheckValue(bool checked) { return checked ? 1 : 0; }

}  // namespace

SettingsDialog::SettingsDialog(Settings& settings, ChangeTimer& timer, const platform::Window& mainWindow,
                               std::wstring programFolder)
    : settings_(settings), timer_(timer), mainWindow_(mainWindow), programFolder_(std::move(programFolder)) {}

void SettingsDialog::Open() {
    const bool create = !hwnd();
    if (create && !Create()) return;
    Fill();
    if (create) Centre();
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    SetForegroundWindow(hwnd());
    if (create) SetFocus(Control(Form3Text2));
}

bool SettingsDialog::Create() {
    // Not owned by the main window: it stays open, and keeps the program running, when the main
    // window closes first.
    if (!CreateTopLevel({kSettingsDialogClass, kSettingsDialogTitle, kStyle, kExStyle, kClientWidth, kClientHeight,
                         kInterfaceFont})) {
        return false;
    }
    CreateControls(kLayout);
    AddTooltip(Form3Command2, L"参照");
    AddTooltip(Form3Command3, L"参照");
    AddTooltip(Form3Command4, L"参照");
    AddTooltip(Form3Check3, L"音を鳴らすよ");
    return true;
}

// Whatever was typed into the dialog is replaced. Setting a text runs that box's rule through
// its change notification; setting a check box sends none, so the Check2 rule is run here.
void SettingsDialog::Fill() {
    const Settings& s = settings_;
    SetChecked(Form3Check1, s.ChangeAtStartup == 1);
    SetChecked(Form3Check2, s.ChangeOnInterval == 1);
    SetChecked(Form3Check3, s.SoundEnabled());
    OnTimedChangeClicked();

    SetText(Form3Text1, std::to_wstring(s.ChangeInterval));
    SetText(Form3Text5, s.SoundFile);
    SetText(Form3Text2, s.WallDefaultDir);
    SetText(Form3Text3, s.SaverDefaultDir);

    // A failed read leaves 0: the box then shows "0" and OK stays disabled.
    int timeoutSeconds = 0;
    SystemParametersInfoW(SPI_GETSCREENSAVETIMEOUT, 0, &timeoutSeconds, 0);
    SetText(Form3Text4, WaitTimeText(timeoutSeconds));

    BOOL active = FALSE;
    SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    // The two options are one group, but only a click moves the selection between them.
    SetChecked(Form3Option1On, active == 1);
    SetChecked(Form3Option1Off, active != 1);

    UpdateOkButton();
}

LRESULT SettingsDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CLOSE:
        // Every way out but OK applies nothing.
        DestroyWindow(hwnd());
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

void SettingsDialog::OnCommand(int id, int notification) {
    switch (id) {
    case Form3Check2:
        if (notification == BN_CLICKED) OnTimedChangeClicked();
        break;
    case Form3Text1:
        if (notification == EN_CHANGE) OnIntervalChanged();
        break;
    case Form3Text4:
        if (notification == EN_CHANGE) OnWaitTimeChanged();
        break;
    case Form3Command2:
        if (notification == BN_CLICKED) BrowseInto(Form3Text2);
        break;
    case Form3Command3:
        if (notification == BN_CLICKED) BrowseInto(Form3Text3);
        break;
    case Form3Command4:
        if (notification == BN_CLICKED) ChooseSoundFile();
        break;
    case Form3Command1:
        if (notification == BN_CLICKED) Confirm();
        break;
    case IDOK:  // Enter, with the same checks as OK
        if (IsEnabled(Form3Command1)) Confirm();
        break;
    case IDCANCEL:  // Esc: like the close box, nothing is applied
        DestroyWindow(hwnd());
        break;
    default:
        break;
    }
}

// The interval box follows Check2 and keeps its text either way.
void SettingsDialog::OnTimedChangeClicked() {
    Enable(Form3Text1, IsChecked(Form3Check2));
    UpdateOkButton();
}

void SettingsDialog::OnIntervalChanged() {
    if (correcting_) return;
    CorrectText(Form3Text1, CorrectedIntervalText(Text(Form3Text1)));
    UpdateOkButton();
}

void SettingsDialog::OnWaitTimeChanged() {
    if (correcting_) return;
    CorrectText(Form3Text4, CorrectedWaitTimeText(Text(Form3Text4)));
    UpdateOkButton();
}

// The corrected text passes its own rule unchanged, so the change notification that setting it
// raises would only repeat the rule; and setting the same empty text again would never end.
void SettingsDialog::CorrectText(int id, const std::wstring& text) {
    if (Text(id) == text) return;
    correcting_ = true;
    SetText(id, text);
    correcting_ = false;
}

// OK needs a wait time of 1 to 60 minutes, and, while timed changes are ticked, an interval that
// is a whole number of minutes from 0 to 32767: a negative or unusable one never reaches the
// settings, where it would switch the timer on with no defined change.
void SettingsDialog::UpdateOkButton() {
    const bool waitTimeOk = WaitTimeAccepted(Text(Form3Text4));
    const bool intervalOk = !IsChecked(Form3Check2) || IntervalMinutes(Text(Form3Text1)).has_value();
    Enable(Form3Command1, waitTimeOk && intervalOk);
}

// The browser is modal to the main window only: this dialog may have closed (and opened again)
// meanwhile, and then the choice is not for it.
void SettingsDialog::BrowseInto(int textId) {
    const HWND dialog = hwnd();
    const std::wstring folder = platform::BrowseForFolder(mainWindow_.hwnd(), kFolderBrowseTitle);
    if (!folder.empty() && hwnd() == dialog) SetText(textId, folder);
}

void SettingsDialog::ChooseSoundFile() {
    platform::OpenFileRequest request;
    request.owner = hwnd();
    request.filterName = L"WAVﾌｧｲﾙ";
    request.filterPattern = L"*.wav";
    // Always the program folder, not the folder of the current sound file.
    request.initialFolder = programFolder_;
    request.title = L"WAVﾌｧｲﾙの選択";
    request.preview = true;
    const HWND dialog = hwnd();
    const std::wstring file = platform::OpenFileDialog(request);
    if (!file.empty() && hwnd() == dialog) SetText(Form3Text5, file);
}

void SettingsDialog::Confirm() {
    const std::optional<int> timeoutSeconds = WaitTimeSeconds(Text(Form3Text4));
    const std::optional<int16_t> interval = IntervalMinutes(Text(Form3Text1));
    // OK is disabled then; a click that arrives anyway (sent by another program) is refused alike.
    if (!timeoutSeconds || (IsChecked(Form3Check2) && !interval)) return;

    Settings& s = settings_;
    // With Check2 clear the interval box may hold anything; then the interval stays.
    s.ChangeAtStartup = CheckValue(IsChecked(Form3Check1));
    s.ChangeOnInterval = CheckValue(IsChecked(Form3Check2));
    s.PlaySound = CheckValue(IsChecked(Form3Check3));
    if (interval) s.ChangeInterval = *interval;
    s.SoundFile = Text(Form3Text5);
    s.WallDefaultDir = Text(Form3Text2);
    s.SaverDefaultDir = Text(Form3Text3);
    // The minute count goes on where it stood; a main window that has closed has no timer left.
    timer_.Follow(s);
    RegistrySettingsStore store;
    SaveSettings(store, s);
    // For this session only: SPIF_UPDATEINIFILE is deliberately not given.
    SystemParametersInfoW(SPI_SETSCREENSAVETIMEOUT, static_cast<UINT>(*timeoutSeconds), nullptr, SPIF_SENDWININICHANGE);
    SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, IsChecked(Form3Option1On) ? TRUE : FALSE, nullptr,
                          SPIF_SENDWININICHANGE);
    DestroyWindow(hwnd());
}

}  // namespace dek
