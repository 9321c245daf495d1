// Dek, the changer: entry point.
#include <windows.h>
#include <commctrl.h>

#include "changer/collection/collection.h"
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
// wallpaper list would create missing display records, so this run does too. A change that could
// not be made shows in the exit code, 3: nobody may be there to read a message.
int RunOneShotChange(const dek::ProgramFolders& folders) {
    if (!dek::PrepareCollectionFolders(folders)) return 2;
    dek::Collection collection(folders);
    collection.RebuildWallpapers(false);
    collection.RefreshScreenSavers();
    const dek::Settings settings = dek::LoadSettings(dek::RegistrySettingsStore(), folders.program);
    return dek::DesktopChanger(collection, settings).ChangeAtRandom().empty() ? 0 : 3;
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
