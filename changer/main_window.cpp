#include "changer/main_window.h"

#include "changer/collection/adding.h"
#include "changer/collection/collection_names.h"
#include "changer/collection/position_dialog.h"
#include "changer/collection/wall_rows.h"
#include "changer/core/settings_registry.h"
#include "changer/core/ui_font.h"
#include "changer/desktop/change_sound.h"
#include "changer/dialogs/version_text.h"
#include "changer/main_window_ids.h"
#include "platform/common_dialogs.h"
#include "platform/error_text.h"
#include "platform/files.h"
#include "platform/list_box.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/shell.h"
#include "platform/single_instance.h"
#include "resources/resource_ids.h"

namespace dek {
namespace {

using platform::ControlKind;
using platform::ControlSpec;

// Client area 10200 x 8175 twips. Table order is keyboard order. File1, Image1 and Text1 lie
// below the visible area and hold nothing.
const ControlSpec kLayout[] = {
    {Label1, ControlKind::Label, L"壁紙", 120, 0, 525, 240},
    {Label2, ControlKind::Label, L"ｽｸﾘｰﾝｾｰﾊﾞｰ", 8520, 0, 1515, 240},
    {Command1, ControlKind::Button, L"追加", 120, 360, 855, 255},
    {Command2, ControlKind::Button, L"削除", 1080, 360, 855, 255, false},
    {Command3, ControlKind::Button, L"ﾌﾟﾚ ﾋﾞｭｰ", 2040, 360, 975, 255, false},
    {Command13, ControlKind::Button, L"表示位置", 3120, 360, 975, 255},
    {Command4, ControlKind::Button, L"変更", 4200, 360, 855, 255, false},
    {Command5, ControlKind::Button, L"追加", 5280, 360, 855, 255},
    {Command6, ControlKind::Button, L"削除", 6240, 360, 855, 255, false},
    {Command7, ControlKind::Button, L"ﾌﾟﾚ ﾋﾞｭｰ", 7200, 360, 975, 255, false},
    {Command14, ControlKind::Button, L"設定", 8280, 360, 855, 255},
    {Command8, ControlKind::Button, L"変更", 9240, 360, 855, 255, false},
    {List1, ControlKind::ListBox, L"", 120, 720, 4935, 6900},
    {File2, ControlKind::ListBox, L"", 5160, 720, 4935, 6930},
    {Command9, ControlKind::Button, L"詳細設定", 120, 7800, 1215, 255},
    {Command10, ControlKind::Button, L"ﾊﾞｰｼﾞｮﾝ情報", 6240, 7800, 1455, 255},
    {Command11, ControlKind::Button, L"ﾀｽｸﾊﾞｰへ", 7920, 7800, 1215, 255},
    {Command12, ControlKind::Button, L"終了", 9240, 7800, 855, 255},
    {File1, ControlKind::ListBox, L"", 1200, 8400, 4935, 270},
    {Image1, ControlKind::Placeholder, L"", 6240, 8400, 240, 240},
    {Text1, ControlKind::Edit, L"", 120, 8400, 975, 270, true, false},
};

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

}  // namespace

MainWindow::MainWindow(const ProgramFolders& folders)
    : folders_(folders),
      records_(folders_.dat),
      changer_(folders_, settings_, wallpapers_, screenSavers_),
      settingsDialog_(settings_, timer_, *this, folders_.program) {}

// Destroyed here, while the whole object still answers its messages.
MainWindow::~MainWindow() {
    if (hwnd()) DestroyWindow(hwnd());
}

bool MainWindow::Start(RunMode mode) {
    if (!CreateTopLevel({kMainWindowClass, kMainWindowTitle, kStyle, 0, 10200, 8175, kInterfaceFont, nullptr, IDI_APP})) {
        return false;
    }
    CreateControls(kLayout);
    AddTooltip(File1, L"ダブルクリックで変更");
    AddTooltip(File2, L"ダブルクリックで変更");
    Centre();
    timer_.Attach(hwnd());
    // The window stays hidden until the start-up is over; only the normal run shows it then.
    tray_.Add(hwnd());
    if (!PrepareCollectionFolders(folders_)) {
        tray_.Remove();
        return false;
    }
    RebuildWallpaperList();
    RefreshScreenSaverList();
    settings_ = LoadSettings(RegistrySettingsStore(), folders_.program);
    timer_.Follow(settings_);
    if (settings_.ChangeAtStartup == 1) ChangeAtRandom();
    platform::AcceptDroppedFiles(hwnd(), true);
    if (mode == RunMode::Normal) {
        ShowWindow(hwnd(), SW_SHOWNORMAL);
        UpdateWindow(hwnd());
    }
    return true;
}

// Every way of closing the main window comes here once; nothing is saved.
void MainWindow::Unload() {
    if (std::exchange(unloaded_, true)) return;
    tray_.Remove();
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == ChangeTimer::kId && timer_.Tick(settings_)) ChangeAtRandom();
        tray_.OnTimer(wParam);
        return 0;
    case TrayIcon::kCallbackMessage:
        OnTrayNotification(lParam);
        return 0;
    case platform::kComeForwardMessage:
        CentreAndShow();
        SetForegroundWindow(hwnd());
        return 0;
    case WM_DROPFILES:
        TakeDroppedFile(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_CLOSE:
        Unload();
        DestroyWindow(hwnd());
        return 0;
    case WM_ENDSESSION:
        if (wParam) Unload();
        return 0;
    case WM_DESTROY:
        tray_.TakeBackMenus();
        timer_.Detach();
        return 0;
    default:
        if (tray_.IsTaskbarStart(message)) {
            tray_.Add(hwnd());
            return 0;
        }
        return Default(message, wParam, lParam);
    }
}

void MainWindow::OnDpiChanged() { tray_.Reload(); }

void MainWindow::OnCommand(int id, int notification) {
    switch (id) {
    case List1:
        // A double-click comes after the click of its row.
        if (notification == LBN_SELCHANGE) OnWallpaperRowClicked();
        if (notification == LBN_DBLCLK) changer_.ApplySelectedWallpaper();
        break;
    case File2:
        if (notification == LBN_SELCHANGE) OnScreenSaverRowClicked();
        if (notification == LBN_DBLCLK) changer_.ApplySelectedScreenSaver();
        break;
    case Command1: AddWallpaperFromDialog(); break;
    case Command2: DeleteWallpaper(); break;
    case Command3: PreviewWallpaper(); break;
    case Command4: changer_.ApplySelectedWallpaper(); break;
    case Command5: AddScreenSaverFromDialog(); break;
    case Command6: DeleteScreenSaver(); break;
    case Command7: StartScreenSaver(screenSavers_.Selected(), L"/s"); break;
    case Command8: changer_.ApplySelectedScreenSaver(); break;
    case Command9: settingsDialog_.Open(); break;
    case Command10:
        platform::ShowMessage(hwnd(), VersionMessageText(kDekVersion), kVersionMessageTitle, MB_OK);
        break;
    case Command11: HideToTray(); break;
    case Command12:
    case mend:
        // Exit only closes the main window, as its close box does.
        PostMessageW(hwnd(), WM_CLOSE, 0, 0);
        break;
    case Command13: ChooseWallpaperPosition(); break;
    case Command14: {
        // The settings of the screen saver selected in the list now.
        const int row = platform::SelectedListRow(Control(File2));
        if (row >= 0 && row < static_cast<int>(screenSavers_.Names().size())) {
            StartScreenSaver(screenSavers_.Names()[static_cast<size_t>(row)], L"/c");
        }
        break;
    }
    case mresize: ShowWhereItStands(); break;
    case mrc0: ChangeAtRandom(); break;
    case mrc1: ChangeWallpaperAtRandom(); break;
    case mrc2: ChangeScreenSaverAtRandom(); break;
    default: break;
    }
}

void MainWindow::RebuildWallpaperList() {
    wallpapers_.Fill(platform::ListFiles(folders_.wall));
    const std::vector<std::wstring>& names = wallpapers_.Names();
    const std::vector<DisplayPosition> positions = records_.Complete(names, true);
    std::vector<std::wstring> rows;
    rows.reserve(names.size());
    for (size_t i = 0; i < names.size(); ++i) rows.push_back(WallRow(positions[i], names[i]));
    platform::FillListBox(Control(List1), rows);
    // An empty folder leaves the selection and the buttons as they were.
    if (!names.empty()) wallpapers_.Select(names.back());
    ShowWallpaperSelection();
}

void MainWindow::RefreshScreenSaverList() {
    screenSavers_.Fill(platform::ListFiles(folders_.saver, L".scr"));
    platform::FillListBox(Control(File2), screenSavers_.Names());
}

// The list always shows the wallpaper the buttons act on.
void MainWindow::ShowWallpaperSelection() {
    platform::SelectListRow(Control(List1), wallpapers_.SelectedIndex());
    if (wallpapers_.Selected().empty()) return;
    for (int id : {Command2, Command3, Command4}) Enable(id, true);
}

void MainWindow::ShowScreenSaverSelection() {
    platform::SelectListRow(Control(File2), screenSavers_.SelectedIndex());
    for (int id : {Command6, Command7, Command8}) Enable(id, !screenSavers_.Selected().empty());
}

void MainWindow::OnWallpaperRowClicked() {
    const WallRowParts parts =
        ParseWallRow(platform::ListRowText(Control(List1), platform::SelectedListRow(Control(List1))));
    wallpapers_.Select(parts.fileName);
    if (parts.position) wallPosition_ = *parts.position;
    for (int id : {Command2, Command3, Command4}) Enable(id, !parts.fileName.empty());
}

void MainWindow::OnScreenSaverRowClicked() {
    const int row = platform::SelectedListRow(Control(File2));
    const bool onRow = row >= 0 && row < static_cast<int>(screenSavers_.Names().size());
    screenSavers_.Select(onRow ? screenSavers_.Names()[static_cast<size_t>(row)] : std::wstring());
    for (int id : {Command6, Command7, Command8}) Enable(id, onRow);
}

// Each pick shows in its list, with its buttons, before it is applied.
void MainWindow::ChangeAtRandom() {
    changer_.ChangeAtRandom([this] { ShowWallpaperSelection(); }, [this] { ShowScreenSaverSelection(); });
}

void MainWindow::ChangeWallpaperAtRandom() {
    changer_.ChangeWallpaperAtRandom([this] { ShowWallpaperSelection(); });
}

void MainWindow::ChangeScreenSaverAtRandom() {
    changer_.ChangeScreenSaverAtRandom([this] { ShowScreenSaverSelection(); });
}

void MainWindow::AddWallpaperFromDialog() {
    const std::wstring path = platform::OpenFileDialog(
        {hwnd(), L"画像ファイル", L"*.bmp;*.gif;*.jpg", settings_.WallDefaultDir, L"壁紙をリストに追加", false});
    if (!path.empty()) AddWallpaper(path);
}

void MainWindow::AddScreenSaverFromDialog() {
    const std::wstring path = platform::OpenFileDialog(
        {hwnd(), L"ｽｸﾘｰﾝｾｰﾊﾞｰ", L"*.scr", settings_.SaverDefaultDir, L"ｽｸﾘｰﾝｾｰﾊﾞｰをリストに追加", false});
    if (path.empty()) {
        RefreshScreenSaverList();
    } else {
        AddScreenSaver(path);
    }
}

// A bitmap is copied as it is; any other picture is stored converted, under its name with "bmp"
// for its last three characters. Then its position is asked for and recorded.
void MainWindow::AddWallpaper(const std::wstring& source) {
    const std::wstring name = FileTitleOf(source);
    const bool bitmap = IsBitmapName(name);
    const std::wstring stored = bitmap ? name : ConvertedBitmapName(name);
    const std::wstring target = platform::JoinPath(folders_.wall, stored);
    {
        Brought brought;
        {
            const platform::WaitCursor busy;
            brought = bitmap ? CopyIntoCollection(source, target) : ConvertIntoCollection(source, target);
        }
        if (!brought.problem.empty()) return ReportProblem(CannotAddMessage(source, brought.problem));
        if (brought.picture) pictureWindow_.TakeConverted(*brought.picture);
    }
    wallPosition_ = Center;
    if (const auto chosen = PositionDialog::Ask(hwnd(), std::nullopt)) wallPosition_ = *chosen;
    StoreWallpaperPosition(stored);
    RebuildWallpaperList();
}

void MainWindow::AddScreenSaver(const std::wstring& source) {
    const Brought brought = CopyIntoCollection(source, platform::JoinPath(folders_.saver, FileTitleOf(source)));
    if (!brought.problem.empty()) ReportProblem(CannotAddMessage(source, brought.problem));
    RefreshScreenSaverList();
}

// The first dropped file, by the last three letters of its name; other files are left alone.
void MainWindow::TakeDroppedFile(HDROP drop) {
    const std::wstring path = CutAtNul(platform::TakeFirstDroppedFile(drop));
    if (path.empty()) return;
    switch (DropKindOf(path)) {
    case DropKind::ScreenSaver: AddScreenSaver(path); break;
    case DropKind::Wallpaper: AddWallpaper(path); break;
    case DropKind::Ignored: break;
    }
}

void MainWindow::ChooseWallpaperPosition() {
    // Before any wallpaper has been selected there is no record to set.
    const std::wstring wallpaper = wallpapers_.Selected();
    if (wallpaper.empty()) return;
    if (const auto chosen = PositionDialog::Ask(hwnd(), wallPosition_)) wallPosition_ = *chosen;
    StoreWallpaperPosition(wallpaper);
    RebuildWallpaperList();
}

void MainWindow::StoreWallpaperPosition(const std::wstring& wallpaper) {
    const DWORD error = records_.Write(wallpaper, wallPosition_);
    if (error != ERROR_SUCCESS) {
        ReportProblem(CannotStorePositionMessage(records_.PathOf(wallpaper), platform::ErrorText(error)));
    }
}

void MainWindow::DeleteWallpaper() {
    const std::wstring picture = platform::JoinPath(folders_.wall, wallpapers_.Selected());
    // A file that cannot be deleted stays; its record goes only with the picture itself.
    platform::DeleteFileAt(picture);
    if (platform::LookUpEntry(picture) == platform::EntryKind::Missing) records_.Remove(wallpapers_.Selected());
    RebuildWallpaperList();
    Enable(Command2, false);
}

void MainWindow::DeleteScreenSaver() {
    platform::DeleteFileAt(platform::JoinPath(folders_.saver, screenSavers_.Selected()));
    RefreshScreenSaverList();
    Enable(Command6, false);
}

// A picture that cannot be read (gone, or not a picture) shows nothing.
void MainWindow::PreviewWallpaper() {
    const platform::PictureLoad loaded = platform::LoadPicture(platform::JoinPath(folders_.wall, wallpapers_.Selected()));
    if (loaded.picture) pictureWindow_.ShowPreview(*loaded.picture);
}

// "/s" runs the screen saver, "/c" opens its settings; one that cannot be started is left alone.
void MainWindow::StartScreenSaver(const std::wstring& name, const wchar_t* option) {
    if (!name.empty()) platform::StartDetached(ScreenSaverCommandLine(folders_.saver, name, option));
}

void MainWindow::ReportProblem(const std::wstring& text) {
    platform::ShowMessage(hwnd(), text, kProgramTitle, MB_OK | MB_ICONEXCLAMATION);
}

// A release over the icon moves the window out of sight (its top-left corner on the screen's
// bottom-right one, shown or not) before the menu pops up.
void MainWindow::OnTrayNotification(LPARAM notification) {
    const TrayRequest request = TrayIcon::RequestOf(notification);
    if (request == TrayRequest::CentreAndShow) return CentreAndShow();
    if (request == TrayRequest::None) return;
    MoveTopLeft(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    // The chosen item runs before this returns, as a click on it would.
    if (const int chosen = tray_.PopUp(request == TrayRequest::ChangeMenu)) OnCommand(chosen, 0);
}

void MainWindow::HideToTray() {
    tray_.Add(hwnd());
    ShowWindow(hwnd(), SW_HIDE);
    tray_.ShowInMenuBar(true, tray_.ChangeMenuInBar());
}

// Shown where it stands, also out of sight where a pop-up moved it.
void MainWindow::ShowWhereItStands() {
    tray_.ShowInMenuBar(false, false);
    ShowWindow(hwnd(), SW_SHOW);
}

// On the monitor of the pointer, which has just double-clicked the icon.
void MainWindow::CentreAndShow() {
    POINT pointer = {};
    GetCursorPos(&pointer);
    Centre(MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY));
    ShowWhereItStands();
}

}  // namespace dek
