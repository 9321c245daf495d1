// Dek, the changer: entry point.
#include <windows.h>
#include <commctrl.h>

#include "changer/collection/shelf.h"
#include "changer/collection/wall_records.h"
#include "changer/core/program.h"
#include "changer/core/run_mode.h"
#include "changer/core/settings_registry.h"
#include "changer/desktop/desktop_changer.h"
#include "changer/main_window.h"
#include "changer/main_window_ids.h"
#include "platform/dll_search.h"
#include "platform/files.h"
#include "platform/single_instance.h"

namespace {

// "-e": one random change, then the end, without a window or an icon. The rebuild of the
// wallpaper list would create missing display records, so this run does too.
int RunOneShotChange(const dek::ProgramFolders& folders) {
    if (!dek::PrepareCollectionFolders(folders)) return 2;
    dek::Shelf wallpapers, screenSavers;
    wallpapers.Fill(platform::ListFiles(folders.wall));
    dek::WallRecords(folders.dat).Complete(wallpapers.Names(), false);
    screenSavers.Fill(platform::ListFiles(folders.saver, L".scr"));
    const dek::Settings settings = dek::LoadSettings(dek::RegistrySettingsStore(), folders.program);
    dek::DesktopChanger(folders, settings, wallpapers, screenSavers).ChangeAtRandom();
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    platform::SearchDllsInSystemFolderOnly();
    const dek::ProgramFolders folders = dek::ProgramFolders::Beside(platform::ProgramFolder());
    const dek::RunMode mode = dek::ParseRunMode(dek::ArgumentsOf(GetCommandLineW()));
    if (mode == dek::RunMode::OneShot) return RunOneShotChange(folders);
    // One resident Dek per session: a later start brings it forward (a hidden start quietly ends).
    platform::SingleInstance resident;
    if (!resident.Claim(L"Local\\Dekorin.Dek", dek::kMainWindowClass, mode == dek::RunMode::Normal)) return 0;

    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    dek::MainWindow window(folders);
    if (!window.Start(mode)) return 2;
    return platform::RunMessageLoop();
}
