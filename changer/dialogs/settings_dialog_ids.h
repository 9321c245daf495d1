// Window class, title and control ids of the detailed-settings dialog Form3, shared with the
// tests that drive it. Form3's controls share their design names with controls of the main
// window, so they carry the prefix Form3.
#pragma once

namespace dek {

inline constexpr wchar_t kSettingsDialogClass[] = L"DekorinSettingsDialog";
inline constexpr wchar_t kSettingsDialogTitle[] = L"詳細設定";

enum SettingsDialogControlId : int {
    Form3Frame2 = 3001,  // "ﾃﾞﾌｫﾙﾄのﾃﾞｨﾚｸﾄﾘ"
    Form3Label2,         // "壁紙"
    Form3Text2,          // WallDefaultDir
    Form3Command2,       // "..." for Text2
    Form3Label3,         // "ｽｸﾘｰﾝｾｰﾊﾞｰ"
    Form3Text3,          // SaverDefaultDir
    Form3Command3,       // "..." for Text3
    Form3Frame1,         // "ｽｸﾘｰﾝｾｰﾊﾞｰ固有の設定"
    Form3Label5,         // "待ち時間"
    Form3Text4,          // wait time in minutes
    Form3Label4,         // "分 (1 ～ 60)"
    Form3Option1On,      // Option1(0) "ON"
    Form3Option1Off,     // Option1(1) "OFF"
    Form3Check1,         // ChangeAtStartup
    Form3Check2,         // ChangeOnInterval
    Form3Text1,          // ChangeInterval
    Form3Label1,         // "分 (0なら変更しない)"
    Form3Check3,         // PlaySound
    Form3Label7,         // "WAVﾌｧｲﾙの場所:"
    Form3Text5,          // SoundFile
    Form3Command4,       // "..." for Text5
    Form3Command1,       // "OK"
};

}  // namespace dek
