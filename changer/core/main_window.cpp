#include "changer/core/main_window.h"

#include <chrono>

#include "changer/core/collection_folders.h"
#include "changer/core/control_ids.h"
#include "changer/core/message_hook.h"
#include "changer/core/module.h"
#include "changer/core/settings_registry.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "resources/resource_ids.h"

namespace dek {
namespace {

using platform::ControlKind;
using platform::ControlSpec;

// Client area 10200 x 8175 twips. Table order is keyboard order. File1, Image1 and Text1 lie
// below the visible area: they hold data, the user never sees them.
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
    {Image1, ControlKind::Icon, MAKEINTRESOURCEW(IDI_TRAY), 6240, 8400, 240, 240},
    {Text1, ControlKind::Edit, L"", 120, 8400, 975, 270, true, false},
};

constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

}  // namespace

MainWindow::MainWindow() = default;
// Destroyed here, while the whole object still answers its messages (WM_DESTROY parts the menus).
MainWindow::~MainWindow() {
    if (hwnd()) DestroyWindow(hwnd());
}

StartOutcome MainWindow::Load(std::wstring_view arguments) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    HICON appIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP));
    if (!CreateTopLevel(kMainWindowClass, kMainWindowTitle, kMainStyle, 0, 10200, 8175, nullptr, appIcon)) {
        return StartOutcome::Failed;
    }
    CreateControls(kLayout);
    AddTooltip(File1, L"ダブルクリックで変更");
    AddTooltip(File2, L"ダブルクリックで変更");
    file1_.Attach(Control(File1));
    file2_.Attach(Control(File2));
    file2_.SetPattern(L".scr");
    CreateMenus();
    CenterOnScreen();

    ModuleState& m = Module1();
    // 1. One seeding per run; every random pick draws from this sequence.
    m.Random.seed(static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
    // 2.
    runMode_ = ParseRunMode(arguments);
    const RunMode mode = runMode_;
    // 3. The window stays hidden until the load step has run (4.): only the normal mode shows it.
    if (mode != RunMode::OneShot) tuskicon1();
    // 5.-8.
    m.ProgramFolder = platform::ProgramFolder();
    m.WallDir = platform::JoinPath(m.ProgramFolder, L"Wall");
    m.SaverDir = platform::JoinPath(m.ProgramFolder, L"Saver");
    if (!PrepareCollectionFolders(hwnd(), {m.DatDir(), m.WallDir, m.SaverDir})) {
        if (mode != RunMode::OneShot) tuskicon2();
        return StartOutcome::Failed;
    }
    // 9.-11.
    file1_.SetPath(m.WallDir);
    SetWallList();
    file2_.SetPath(m.SaverDir);
    // 12.
    LoadSettings();
    // 13.
    if (mode == RunMode::OneShot) {
        randomchange();
        return StartOutcome::Finished;
    }
    // 14.
    SetChangeTimer(m.settings.TimerEnabled());
    if (m.settings.ChangeAtStartup == 1) randomchange();
    // 15.-16.
    platform::AcceptDroppedFiles(hwnd(), true);
    InstallHook(hwnd());
    // 17.
    if (mode == RunMode::Normal) {
        ShowWindow(hwnd(), SW_SHOWNORMAL);
        UpdateWindow(hwnd());
    }
    return StartOutcome::Running;
}

void MainWindow::CreateMenus() {
    mfile_.reset(CreatePopupMenu());
    AppendMenuW(mfile_.get(), MF_STRING, mresize, L"元のサイズに戻す");
    AppendMenuW(mfile_.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(mfile_.get(), MF_STRING, mend, L"終了(&X)");
    mchange_.reset(CreatePopupMenu());
    AppendMenuW(mchange_.get(), MF_STRING, mrc0, L"ランダム変更(共通)");
    AppendMenuW(mchange_.get(), MF_STRING, mrc1, L"ランダム変更(壁紙)");
    AppendMenuW(mchange_.get(), MF_STRING, mrc2, L"ランダム変更(スクリーンセーバー)");
    menuBar_.reset(CreateMenu());
    // Both top-level menus start hidden: they appear in the bar only once the window has gone
    // to the notification area, and every way back hides them again.
    ShowMenus(false, false);
}

// A menu bar cannot hide a top-level menu, so the bar is rebuilt from the visible ones. The
// pop-ups are owned here and only lent to the bar, which never destroys them.
void MainWindow::ShowMenus(bool fileMenu, bool changeMenu) {
    mfileVisible_ = fileMenu;
    mchangeVisible_ = changeMenu;
    while (GetMenuItemCount(menuBar_.get()) > 0) RemoveMenu(menuBar_.get(), 0, MF_BYPOSITION);
    if (fileMenu) AppendMenuW(menuBar_.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(mfile_.get()), L"FILE");
    if (changeMenu) AppendMenuW(menuBar_.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(mchange_.get()), L"CHANGE");
    // The outer size stays as it is; the client area gives way to the bar while it shows.
    RECT frame;
    GetWindowRect(hwnd(), &frame);
    SetMenu(hwnd(), fileMenu || changeMenu ? menuBar_.get() : nullptr);
    SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The unload step: every way of closing the main window comes here once.
void MainWindow::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    tuskicon2();
    RemoveHook(hwnd());
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (OnTrayMessage(message, lParam)) return 0;
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == Timer1) OnTimer();
        return 0;
    case WM_CLOSE:
        Unload();
        DestroyWindow(hwnd());
        return 0;
    case WM_ENDSESSION:
        if (wParam) Unload();
        return 0;
    case WM_DESTROY:
        // The bar must not take the pop-ups with it: they have owners of their own.
        SetMenu(hwnd(), nullptr);
        while (GetMenuItemCount(menuBar_.get()) > 0) RemoveMenu(menuBar_.get(), 0, MF_BYPOSITION);
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

void MainWindow::OnCommand(int id, int notification) {
    if (id == Command12 || id == mend) {
        // Exit only unloads the main window, as its close box does.
        PostMessageW(hwnd(), WM_CLOSE, 0, 0);
        return;
    }
    if (OnListCommand(id, notification) || OnChangeCommand(id) || OnCollectionCommand(id) || OnDialogCommand(id)) {
        return;
    }
    OnTrayCommand(id);
}

}  // namespace dek
