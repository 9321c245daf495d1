// Window class, title and control ids of the detailed-settings dialog, shared with the tests that
// drive it.
#pragma once

namespace dek {

inline constexpr wchar_t kSettingsDialogClass[] = L"DekorinSettingsDialog";
inline constexpr wchar_t kSettingsDialogTitle[] = L"詳細設定";

enum SettingsDialogControl : int {
    DefaultFoldersFrame = 3001,  // "ﾃﾞﾌｫﾙﾄのﾃﾞｨﾚｸﾄﾘ"
    WallpaperFolderLabel,
    WallpaperFolderBox,  // where the wallpaper Add dialog opens
    BrowseWallpaperFolderButton,
    ScreenSaverFolderLabel,
    ScreenSaverFolderBox,  // where the screen-saver Add dialog opens
    BrowseScreenSaverFolderButton,
    ScreenSaverFrame,  // "ｽｸﾘｰﾝｾｰﾊﾞｰ固有の設定"
    WaitTimeLabel,
    WaitTimeBox,  // the system screen saver's wait time, in minutes
    WaitTimeUnitLabel,
    ScreenSaverOnOption,
    ScreenSaverOffOption,
    ChangeAtStartupCheck,
    ChangeOnIntervalCheck,
    IntervalBox,  // minutes between timed changes
    IntervalUnitLabel,
    PlaySoundCheck,
    SoundFileLabel,
    SoundFileBox,
    BrowseSoundFileButton,
    SettingsOkButton,
    WallpaperPerMonitorCheck,  // "モニターごとに別の壁紙"
};

}  // namespace dek
