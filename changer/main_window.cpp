#include "changer/main_window.h"

#include "changer/core/settings_registry.h"
#include "changer/core/ui_font.h"
#include "changer/dialogs/version_text.h"
#include "changer/main_window_ids.h"
#include "platform/list_box.h"
#include "platform/message_box.h"
#include "platform/shell.h"
#include "platform/single_instance.h"
#include "resources/resource_ids.h"

namespace dek {
namespace {

using enum platform::ControlKind;

// Client area 10200 x 8175 twips. Table order is keyboard order.
const platform::ControlSpec kLayout[] = {
    {WallpaperHeading, Label, L"壁紙", 120, 0, 525, 240},
    {ScreenSaverHeading, Label, L"ｽｸﾘｰﾝｾｰﾊﾞｰ", 8520, 0, 1515, 240},
    {AddWallpaperButton, Button, L"追加", 120, 360, 855, 255},
    {DeleteWallpaperButton, Button, L"削除", 1080, 360, 855, 255, false},
    {PreviewWallpaperButton, Button, L"ﾌﾟﾚ ﾋﾞｭｰ", 2040, 360, 975, 255, false},
    {WallpaperPositionButton, Button, L"表示位置", 3120, 360, 975, 255},
    {ApplyWallpaperButton, Button, L"変更", 4200, 360, 855, 255, false},
    {AddScreenSaverButton, Button, L"追加", 5280, 360, 855, 255},
    {DeleteScreenSaverButton, Button, L"削除", 6240, 360, 855, 255, false},
    {PreviewScreenSaverButton, Button, L"ﾌﾟﾚ ﾋﾞｭｰ", 7200, 360, 975, 255, false},
    {ScreenSaverSettingsButton, Button, L"設定", 8280, 360, 855, 255},
    {ApplyScreenSaverButton, Button, L"変更", 9240, 360, 855, 255, false},
    {WallpaperList, ListBox, L"", 120, 720, 4935, 6900},
    {ScreenSaverList, ListBox, L"", 5160, 720, 4935, 6930},
    {DetailedSettingsButton, Button, L"詳細設定", 120, 7800, 1215, 255},
    {VersionButton, Button, L"ﾊﾞｰｼﾞｮﾝ情報", 6240, 7800, 1455, 255},
    {HideToTrayButton, Button, L"ﾀｽｸﾊﾞｰへ", 7920, 7800, 1215, 255},
    {ExitButton, Button, L"終了", 9240, 7800, 855, 255},
};

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// Posted by the folder watch when names of Wall or Saver wait to be taken.
constexpr UINT kFilesChangedMessage = WM_APP + 2;

}  // namespace

MainWindow::MainWindow(const ProgramFolders& folders, MainWindowSeams seams)
    : seams_(std::move(seams)),
      collection_(folders),
      lists_(*this, {WallpaperList, DeleteWallpaperButton, {PreviewWallpaperButton, ApplyWallpaperButton}},
             {ScreenSaverList, DeleteScreenSaverButton, {PreviewScreenSaverButton, ApplyScreenSaverButton}}),
      editor_(collection_, lists_, settings_, *this),
      changer_(collection_, settings_, seams_.playSound, seams_.monitors),
      settingsDialog_(settings_, timer_, *this, folders.program) {}

// Destroyed here, while the whole object still answers its messages.
MainWindow::~MainWindow() {
    if (hwnd()) DestroyWindow(hwnd());
}

bool MainWindow::Start(RunMode mode) {
    if (!CreateTopLevel({kMainWindowClass, kMainWindowTitle, kStyle, 0, 10200, 8175, kInterfaceFont, nullptr, IDI_APP})) {
        return false;
    }
    CreateControls(kLayout);
    AddTooltip(ScreenSaverList, L"ダブルクリックで変更");
    Centre();
    timer_.Attach(hwnd(), seams_.minuteMilliseconds);
    // The window stays hidden until the start-up is over; only the normal run shows it then.
    tray_.Add(hwnd());
    if (!PrepareCollectionFolders(collection_.Folders())) {
        tray_.Remove();
        return false;
    }
    folderWatch_.Start(hwnd(), kFilesChangedMessage, {collection_.Folders().wall, collection_.Folders().saver});
    CollectionChange lists = collection_.RebuildWallpapers();
    lists.Then(collection_.RefreshScreenSavers());
    lists_.Show(collection_, lists);
    settings_ = LoadSettings(RegistrySettingsStore(), collection_.Folders().program);
    timer_.Follow(settings_);
    if (settings_.ChangeAtStartup == 1) ChangeAtRandom(TrayMenuChangeBoth);
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
        if (timer_.OnTimer(wParam, settings_, seams_.userState)) ChangeAtRandom(TrayMenuChangeBoth);
        tray_.OnTimer(wParam);
        return 0;
    case TrayIcon::kCallbackMessage:
        OnTrayNotification(lParam);
        return 0;
    case kFilesChangedMessage:
        OnFilesChanged();
        return 0;
    case platform::kComeForwardMessage:
        CentreAndShow();
        SetForegroundWindow(hwnd());
        return 0;
    case WM_DISPLAYCHANGE:
        ReportOnce(changer_.OnDisplayChange());
        return 0;
    case WM_DROPFILES:
        editor_.TakeDroppedFile(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_CLOSE:
        Unload();
        DestroyWindow(hwnd());
        return 0;
    case WM_ENDSESSION:
        if (wParam) Unload();
        return 0;
    case WM_DESTROY:
        folderWatch_.Stop();
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
    case WallpaperList:
        // A double-click comes after the click of its row.
        if (notification == LBN_SELCHANGE) OnListClicked(ShelfKind::Wallpapers, id);
        if (notification == LBN_DBLCLK) Report(changer_.ApplySelectedWallpaper());
        break;
    case ScreenSaverList:
        if (notification == LBN_SELCHANGE) OnListClicked(ShelfKind::ScreenSavers, id);
        if (notification == LBN_DBLCLK) Report(changer_.ApplySelectedScreenSaver());
        break;
    case AddWallpaperButton: editor_.AddWallpaperFromDialog(); break;
    case DeleteWallpaperButton: editor_.DeleteSelected(ShelfKind::Wallpapers); break;
    case PreviewWallpaperButton: editor_.PreviewWallpaper(); break;
    case WallpaperPositionButton: editor_.ChooseWallpaperPosition(); break;
    case ApplyWallpaperButton: Report(changer_.ApplySelectedWallpaper()); break;
    case AddScreenSaverButton: editor_.AddScreenSaverFromDialog(); break;
    case DeleteScreenSaverButton: editor_.DeleteSelected(ShelfKind::ScreenSavers); break;
    case PreviewScreenSaverButton: editor_.StartScreenSaver(L"/s"); break;
    case ScreenSaverSettingsButton: editor_.StartScreenSaver(L"/c"); break;
    case ApplyScreenSaverButton: Report(changer_.ApplySelectedScreenSaver()); break;
    case DetailedSettingsButton: settingsDialog_.Open(); break;
    case VersionButton:
        platform::ShowMessage(hwnd(), VersionMessageText(kDekVersion), kVersionMessageTitle, MB_OK);
        break;
    case HideToTrayButton: HideToTray(); break;
    case ExitButton:
    case TrayMenuExit:
        // Exit only closes the main window, as its close box does.
        PostMessageW(hwnd(), WM_CLOSE, 0, 0);
        break;
    case TrayMenuRestore: ShowWhereItStands(); break;
    case TrayMenuChangeBoth:
    case TrayMenuChangeWallpaper:
    case TrayMenuChangeScreenSaver: ChangeAtRandom(static_cast<TrayMenuItem>(id)); break;
    default: break;
    }
}

void MainWindow::OnListClicked(ShelfKind kind, int list) {
    collection_.Of(kind).SelectRow(platform::SelectedListRow(Control(list)));
    lists_.ShowSelections(collection_);
}

// Only the rows of the files concerned change; a name the system lost count of reads the folder.
void MainWindow::OnFilesChanged() {
    CollectionChange change;
    for (const auto& [folder, name] : folderWatch_.Take()) {
        const ShelfKind kind = folder == 0 ? ShelfKind::Wallpapers : ShelfKind::ScreenSavers;
        change.Then(name.empty() ? collection_.FolderChanged(kind) : collection_.FileChanged(kind, name));
    }
    lists_.Show(collection_, change);
}

// Each pick shows in its list, with its buttons, before it is applied. A random change that fails
// is reported once a run: it may come every few minutes, with nobody at the screen.
void MainWindow::ChangeAtRandom(TrayMenuItem which) {
    const auto show = [this] { lists_.ShowSelections(collection_); };
    const std::wstring problem = which == TrayMenuChangeWallpaper     ? changer_.ChangeWallpaperAtRandom(show)
                                 : which == TrayMenuChangeScreenSaver ? changer_.ChangeScreenSaverAtRandom(show)
                                                                      : changer_.ChangeAtRandom(show);
    ReportOnce(problem);
}

void MainWindow::ReportOnce(const std::wstring& problem) {
    if (!problem.empty() && !std::exchange(randomChangeFailed_, true)) Report(problem);
}

void MainWindow::Report(const std::wstring& problem) {
    if (!problem.empty()) platform::ShowMessage(hwnd(), problem, kProgramTitle, MB_OK | MB_ICONEXCLAMATION);
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
