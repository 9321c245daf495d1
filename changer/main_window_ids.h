// The main window "Dekorin" and its controls, shared with the tests that drive it from outside.
#pragma once

namespace dek {

inline constexpr wchar_t kMainWindowClass[] = L"DekorinMainWindow";
inline constexpr wchar_t kMainWindowTitle[] = L"Dekorin";

enum ControlId : int {
    Label1 = 1001,    // "壁紙", over the wallpaper list
    Label2,           // "ｽｸﾘｰﾝｾｰﾊﾞｰ", over the screen-saver list
    List1,            // the wallpaper list: position marker and name
    File1,            // an empty list out of sight, below the window's visible area
    File2,            // the screen-saver list
    Image1,           // an empty place out of sight
    Text1,            // an empty box out of sight, never shown
    Command1 = 1101,  // wallpaper "追加"
    Command2,         // wallpaper "削除"
    Command3,         // wallpaper "ﾌﾟﾚ ﾋﾞｭｰ"
    Command4,         // wallpaper "変更"
    Command5,         // screen saver "追加"
    Command6,         // screen saver "削除"
    Command7,         // screen saver "ﾌﾟﾚ ﾋﾞｭｰ"
    Command8,         // screen saver "変更"
    Command9,         // "詳細設定"
    Command10,        // "ﾊﾞｰｼﾞｮﾝ情報"
    Command11,        // "ﾀｽｸﾊﾞｰへ": to the notification area
    Command12,        // "終了"
    Command13,        // wallpaper "表示位置"
    Command14,        // screen saver "設定"
};

}  // namespace dek
