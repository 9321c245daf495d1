#include "changer/dialogs/settings_dialog.h"

#include <iterator>
#include <memory>
#include <optional>
#include <vector>

#include "changer/core/control_ids.h"
#include "changer/core/main_window.h"
#include "changer/core/module.h"
#include "changer/core/settings_registry.h"
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

// The open dialog, and earlier ones whose windows have closed while one of their handlers still
// waited in a nested dialog (folder browser, WAV chooser): those are freed once it has returned.
std::unique_ptr<SettingsDialog> g_dialog;
std::vector<std::unique_ptr<SettingsDialog>> g_closed;

}  // namespace

void OpenSettingsDialog(MainWindow& mainWindow) { SettingsDialog::Open(mainWindow); }

std::wstring BrowseFolder(HWND owner, std::wstring_view title) { return platform::BrowseForFolder(owner, title); }

void SettingsDialog::Open(MainWindow& mainWindow) {
    std::erase_if(g_closed, [](const auto& dialog) { return dialog->busy_ == 0; });
    const bool create = !g_dialog || !g_dialog->hwnd();
    if (create) {
        if (g_dialog && g_dialog->busy_ > 0) g_closed.push_back(std::move(g_dialog));
        g_dialog.reset(new SettingsDialog);
        if (!g_dialog->Create()) {
            g_dialog.reset();
            return;
        }
    }
    SettingsDialog& dialog = *g_dialog;
    dialog.mainWindow_ = mainWindow.hwnd();
    dialog.Fill();
    if (create) dialog.CenterOnScreen();
    ShowWindow(dialog.hwnd(), SW_SHOWNORMAL);
    SetForegroundWindow(dialog.hwnd());
    if (create) SetFocus(dialog.Control(Form3Text2));
}

bool SettingsDialog::Create() {
    // Not owned by the main window: it stays open, and keeps the program running, when the main
    // window closes first.
    if (!CreateTopLevel(kSettingsDialogClass, kSettingsDialogTitle, kStyle, kExStyle, kClientWidth, kClientHeight)) {
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
    const Settings& s = Module1().settings;
    SetChecked(Form3Check1, s.ChangeAtStartup == 1);
    SetChecked(Form3Check2, s.ChangeOnInterval == 1);
    SetChecked(Form3Check3, s.PlaySound == 1);
    OnCheck2Click();

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
    ++busy_;
    const platform::ScopeExit done([this] { --busy_; });
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
        if (notification == BN_CLICKED) OnCheck2Click();
        break;
    case Form3Text1:
        if (notification == EN_CHANGE) OnText1Change();
        break;
    case Form3Text4:
        if (notification == EN_CHANGE) OnText4Change();
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
    default:
        break;
    }
}

// The interval box follows Check2 and keeps its text either way.
void SettingsDialog::OnCheck2Click() {
    Enable(Form3Text1, IsChecked(Form3Check2));
    UpdateOkButton();
}

void SettingsDialog::OnText1Change() {
    if (correcting_) return;
    CorrectText(Form3Text1, CorrectedIntervalText(Text(Form3Text1)));
    UpdateOkButton();
}

void SettingsDialog::OnText4Change() {
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

MainWindow* SettingsDialog::LiveMainWindow() const {
    // The main window may have closed while the dialog stayed open.
    if (!IsWindow(mainWindow_)) return nullptr;
    wchar_t className[64] = {};
    GetClassNameW(mainWindow_, className, static_cast<int>(std::size(className)));
    if (std::wstring_view(className) != kMainWindowClass) return nullptr;
    return MainWindow::From(mainWindow_);
}

void SettingsDialog::BrowseInto(int textId) {
    MainWindow* main = LiveMainWindow();
    const std::wstring folder = BrowseFolder(main ? main->hwnd() : nullptr, kFolderBrowseTitle);
    // The browser is modal to the main window only: the dialog may have closed meanwhile.
    if (!folder.empty() && hwnd()) SetText(textId, folder);
}

void SettingsDialog::ChooseSoundFile() {
    platform::OpenFileRequest request;
    request.owner = hwnd();
    request.filterName = L"WAVﾌｧｲﾙ";
    request.filterPattern = L"*.wav";
    // Always the program folder, not the folder of the current sound file.
    request.initialFolder = Module1().ProgramFolder;
    request.title = L"WAVﾌｧｲﾙの選択";
    request.preview = true;
    const std::wstring file = platform::OpenFileDialog(request);
    if (!file.empty() && hwnd()) SetText(Form3Text5, file);
}

void SettingsDialog::Confirm() {
    const std::optional<int> timeoutSeconds = WaitTimeSeconds(Text(Form3Text4));
    const std::optional<int16_t> interval = IntervalMinutes(Text(Form3Text1));
    // OK is disabled then; a click that arrives anyway (sent by another program) is refused alike.
    if (!timeoutSeconds || (IsChecked(Form3Check2) && !interval)) return;

    Settings& s = Module1().settings;
    // 1.-3. With Check2 clear the interval box may hold anything; then the interval stays.
    s.ChangeAtStartup = CheckValue(IsChecked(Form3Check1));
    s.ChangeOnInterval = CheckValue(IsChecked(Form3Check2));
    s.PlaySound = CheckValue(IsChecked(Form3Check3));
    if (interval) s.ChangeInterval = *interval;
    s.SoundFile = Text(Form3Text5);
    s.WallDefaultDir = Text(Form3Text2);
    s.SaverDefaultDir = Text(Form3Text3);
    // 4. The minute count is the main window's and goes on where it stood.
    if (MainWindow* main = LiveMainWindow()) main->SetChangeTimer(s.TimerEnabled());
    // 5.
    SaveSettings();
    // 6.-7. For this session only: SPIF_UPDATEINIFILE is deliberately not given.
    SystemParametersInfoW(SPI_SETSCREENSAVETIMEOUT, static_cast<UINT>(*timeoutSeconds), nullptr, SPIF_SENDWININICHANGE);
    SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, IsChecked(Form3Option1On) ? TRUE : FALSE, nullptr,
                          SPIF_SENDWININICHANGE);
    // 8.
    DestroyWindow(hwnd());
}

}  // namespace dek
