// The main window "Dekorin" and its controls, shared with the tests and the tools that drive it
// from outside.
#pragma once

namespace dek {

inline constexpr wchar_t kMainWindowClass[] = L"DekorinMainWindow";
inline constexpr wchar_t kMainWindowTitle[] = L"Dekorin";

enum MainWindowControl : int {
    WallpaperHeading = 1001,  // "壁紙"
    ScreenSaverHeading,       // "ｽｸﾘｰﾝｾｰﾊﾞｰ"
    WallpaperList,            // position marker and name
    ScreenSaverList,
    AddWallpaperButton = 1101,
    DeleteWallpaperButton,
    PreviewWallpaperButton,
    ApplyWallpaperButton,
    AddScreenSaverButton,
    DeleteScreenSaverButton,
    PreviewScreenSaverButton,  // runs the screen saver
    ApplyScreenSaverButton,
    DetailedSettingsButton,
    VersionButton,
    HideToTrayButton,  // "ﾀｽｸﾊﾞｰへ"
    ExitButton,
    WallpaperPositionButton,    // "表示位置"
    ScreenSaverSettingsButton,  // "設定": the screen saver's own settings
};

}  // namespace dek
