#include "changer/dialogs/settings_dialog.h"

#include <optional>

#include "changer/core/settings_registry.h"
#include "changer/core/ui_font.h"
#include "changer/dialogs/numeric_text.h"
#include "changer/dialogs/settings_dialog_ids.h"
#include "platform/common_dialogs.h"

namespace dek {
namespace {

using enum platform::ControlKind;

constexpr int kClientWidth = 4575;
constexpr int kClientHeight = 5595;

// Top to bottom; table order is keyboard order, and each frame comes before what it holds.
const platform::ControlSpec kLayout[] = {
    {DefaultFoldersFrame, Frame, L"ﾃﾞﾌｫﾙﾄのﾃﾞｨﾚｸﾄﾘ", 120, 60, 4335, 1410},
    {WallpaperFolderLabel, Label, L"壁紙", 240, 300, 3615, 210},
    {WallpaperFolderBox, Edit, L"", 240, 510, 3615, 285},
    {BrowseWallpaperFolderButton, Button, L"...", 3960, 510, 375, 285},
    {ScreenSaverFolderLabel, Label, L"ｽｸﾘｰﾝｾｰﾊﾞｰ", 240, 870, 3615, 210},
    {ScreenSaverFolderBox, Edit, L"", 240, 1080, 3615, 285},
    {BrowseScreenSaverFolderButton, Button, L"...", 3960, 1080, 375, 285},
    {ScreenSaverFrame, Frame, L"ｽｸﾘｰﾝｾｰﾊﾞｰ固有の設定", 120, 1560, 4335, 1140},
    {WaitTimeLabel, Label, L"待ち時間", 240, 1845, 840, 210},
    {WaitTimeBox, Edit, L"0", 1080, 1800, 615, 285},
    {WaitTimeUnitLabel, Label, L"分 (1 ～ 60)", 1800, 1845, 2535, 210},
    {ScreenSaverOnOption, Option, L"ON", 240, 2145, 1095, 240},
    {ScreenSaverOffOption, Option, L"OFF", 240, 2385, 1095, 240},
    {ChangeAtStartupCheck, CheckBox, L"起動時に変更", 120, 2790, 4335, 240},
    {ChangeOnIntervalCheck, CheckBox, L"一定時間ごとに変更", 120, 3060, 4335, 240},
    {IntervalBox, Edit, L"0", 360, 3330, 735, 285},
    {IntervalUnitLabel, Label, L"分 (0なら変更しない)", 1200, 3375, 3255, 210},
    {PlaySoundCheck, CheckBox, L"変更時にｻｳﾝﾄﾞを再生する", 120, 3705, 4335, 240},
    {SoundFileLabel, Label, L"WAVﾌｧｲﾙの場所:", 120, 4005, 4335, 210},
    {SoundFileBox, Edit, L"", 120, 4230, 3855, 285},
    {BrowseSoundFileButton, Button, L"...", 4080, 4230, 375, 285},
    {SettingsOkButton, Button, L"OK", 3360, 4740, 1095, 375},
    // Came later: below everything that was there.
    {WallpaperPerMonitorCheck, CheckBox, L"モニターごとに別の壁紙", 120, 5235, 4335, 240},
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
    if (create) SetFocus(Control(WallpaperFolderBox));
}

bool SettingsDialog::Create() {
    // Not owned by the main window: it stays open, and keeps the program running, when the main
    // window closes first.
    if (!CreateTopLevel({kSettingsDialogClass, kSettingsDialogTitle, kStyle, kExStyle, kClientWidth, kClientHeight,
                         kInterfaceFont})) {
        return false;
    }
    CreateControls(kLayout);
    AddTooltip(BrowseWallpaperFolderButton, L"参照");
    AddTooltip(BrowseScreenSaverFolderButton, L"参照");
    AddTooltip(BrowseSoundFileButton, L"参照");
    AddTooltip(PlaySoundCheck, L"音を鳴らすよ");
    return true;
}

// Whatever was typed into the dialog is replaced. Setting a text runs that box's rule through
// its change notification; setting a check box sends none, so the timed-change rule is run here.
void SettingsDialog::Fill() {
    const Settings& s = settings_;
    SetChecked(ChangeAtStartupCheck, s.ChangeAtStartup == 1);
    SetChecked(ChangeOnIntervalCheck, s.ChangeOnInterval == 1);
    SetChecked(PlaySoundCheck, s.SoundEnabled());
    SetChecked(WallpaperPerMonitorCheck, s.WallpaperPerMonitor == 1);
    OnTimedChangeClicked();

    SetText(IntervalBox, std::to_wstring(s.ChangeInterval));
    SetText(SoundFileBox, s.SoundFile);
    SetText(WallpaperFolderBox, s.WallDefaultDir);
    SetText(ScreenSaverFolderBox, s.SaverDefaultDir);

    // A failed read leaves 0: the box then shows "0" and OK stays disabled.
    int timeoutSeconds = 0;
    SystemParametersInfoW(SPI_GETSCREENSAVETIMEOUT, 0, &timeoutSeconds, 0);
    SetText(WaitTimeBox, WaitTimeText(timeoutSeconds));

    BOOL active = FALSE;
    SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    // The two options are one group, but only a click moves the selection between them.
    SetChecked(ScreenSaverOnOption, active == 1);
    SetChecked(ScreenSaverOffOption, active != 1);

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

// Buttons and check boxes tell only of a click.
void SettingsDialog::OnCommand(int id, int notification) {
    switch (id) {
    case ChangeOnIntervalCheck: OnTimedChangeClicked(); break;
    case IntervalBox:
        if (notification == EN_CHANGE) OnIntervalChanged();
        break;
    case WaitTimeBox:
        if (notification == EN_CHANGE) OnWaitTimeChanged();
        break;
    case BrowseWallpaperFolderButton: BrowseInto(WallpaperFolderBox); break;
    case BrowseScreenSaverFolderButton: BrowseInto(ScreenSaverFolderBox); break;
    case BrowseSoundFileButton: ChooseSoundFile(); break;
    case SettingsOkButton: Confirm(); break;
    case IDOK:  // Enter, with the same checks as OK
        if (IsEnabled(SettingsOkButton)) Confirm();
        break;
    case IDCANCEL: DestroyWindow(hwnd()); break;  // Esc: like the close box, nothing is applied
    default: break;
    }
}

// The interval box follows the timed-change check box and keeps its text either way.
void SettingsDialog::OnTimedChangeClicked() {
    Enable(IntervalBox, IsChecked(ChangeOnIntervalCheck));
    UpdateOkButton();
}

void SettingsDialog::OnIntervalChanged() {
    if (correcting_) return;
    CorrectText(IntervalBox, CorrectedIntervalText(Text(IntervalBox)));
    UpdateOkButton();
}

void SettingsDialog::OnWaitTimeChanged() {
    if (correcting_) return;
    CorrectText(WaitTimeBox, CorrectedWaitTimeText(Text(WaitTimeBox)));
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
    const bool waitTimeOk = WaitTimeAccepted(Text(WaitTimeBox));
    const bool intervalOk = !IsChecked(ChangeOnIntervalCheck) || IntervalMinutes(Text(IntervalBox)).has_value();
    Enable(SettingsOkButton, waitTimeOk && intervalOk);
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
    if (!file.empty() && hwnd() == dialog) SetText(SoundFileBox, file);
}

void SettingsDialog::Confirm() {
    const std::optional<int> timeoutSeconds = WaitTimeSeconds(Text(WaitTimeBox));
    const std::optional<int16_t> interval = IntervalMinutes(Text(IntervalBox));
    // OK is disabled then; a click that arrives anyway (sent by another program) is refused alike.
    if (!timeoutSeconds || (IsChecked(ChangeOnIntervalCheck) && !interval)) return;

    Settings& s = settings_;
    // With timed changes clear the interval box may hold anything; then the interval stays.
    s.ChangeAtStartup = CheckValue(IsChecked(ChangeAtStartupCheck));
    s.ChangeOnInterval = CheckValue(IsChecked(ChangeOnIntervalCheck));
    s.PlaySound = CheckValue(IsChecked(PlaySoundCheck));
    s.WallpaperPerMonitor = CheckValue(IsChecked(WallpaperPerMonitorCheck));
    if (interval) s.ChangeInterval = *interval;
    s.SoundFile = Text(SoundFileBox);
    s.WallDefaultDir = Text(WallpaperFolderBox);
    s.SaverDefaultDir = Text(ScreenSaverFolderBox);
    // The minute count goes on where it stood; a main window that has closed has no timer left.
    timer_.Follow(s);
    RegistrySettingsStore store;
    SaveSettings(store, s);
    // For this session only: SPIF_UPDATEINIFILE is deliberately not given.
    SystemParametersInfoW(SPI_SETSCREENSAVETIMEOUT, static_cast<UINT>(*timeoutSeconds), nullptr, SPIF_SENDWININICHANGE);
    SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, IsChecked(ScreenSaverOnOption) ? TRUE : FALSE, nullptr,
                          SPIF_SENDWININICHANGE);
    DestroyWindow(hwnd());
}

}  // namespace dek
