// Identifiers of the main window's controls and menu items, shared with the tests that drive it.
#pragma once

namespace dek {

inline constexpr wchar_t kMainWindowClass[] = L"DekorinMainWindow";
inline constexpr wchar_t kMainWindowTitle[] = L"Dekorin";

enum ControlId : int {
    Label1 = 1001,
    Label2,
    List1,
    File1,
    File2,
    Image1,
    Text1,
    Command1 = 1101,  // wallpaper 追加
    Command2,         // wallpaper 削除
    Command3,         // wallpaper ﾌﾟﾚ ﾋﾞｭｰ
    Command4,         // wallpaper 変更
    Command5,         // screen saver 追加
    Command6,         // screen saver 削除
    Command7,         // screen saver ﾌﾟﾚ ﾋﾞｭｰ
    Command8,         // screen saver 変更
    Command9,         // 詳細設定
    Command10,        // ﾊﾞｰｼﾞｮﾝ情報
    Command11,        // ﾀｽｸﾊﾞｰへ
    Command12,        // 終了
    Command13,        // 表示位置
    Command14,        // screen saver 設定
};

enum MenuId : int {
    mresize = 2001,
    mend,
    mrc0,
    mrc1,
    mrc2,
};

enum TimerId : int { Timer1 = 1 };

// The notification-area icon: its id and the private message its mouse events arrive as.
inline constexpr unsigned kTrayIconId = 1;
inline constexpr unsigned kTrayCallbackMessage = 0x8000 + 1;  // WM_APP + 1

}  // namespace dek
