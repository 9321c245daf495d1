// DekSet's window and its controls, shared with the tests that drive DekSet from outside.
#pragma once

namespace dekset {

inline constexpr wchar_t kWindowClass[] = L"DekSetPro2Form1";

enum ControlId : int {
    Label2 = 1001,
    Command2,  // "..."
    Command5,  // ショートカット作成
    Command6,  // 終了
    Combo1,
    Option1Base = 1101,
};

// The option buttons of the start modes, Option1(0) to Option1(2).
constexpr int Option1(int index) { return Option1Base + index; }

}  // namespace dekset
