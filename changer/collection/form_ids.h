// Window classes, titles and control ids of the picture window Form2 and the position dialog
// Form4, shared with the tests that drive them.
#pragma once

namespace dek {

inline constexpr wchar_t kPictureWindowClass[] = L"DekorinPictureWindow";  // Form2, no caption
inline constexpr wchar_t kPositionDialogClass[] = L"DekorinPositionDialog";
inline constexpr wchar_t kPositionDialogTitle[] = L"壁紙の表示位置";

enum PictureWindowControlId : int {
    Picture1 = 101,
};

// Option1(i) of Form4 is Form4Option1 + i; i is the display position it stands for.
enum PositionDialogControlId : int {
    Form4Option1 = 201,
    Form4Command1 = 211,  // "OK"
};

}  // namespace dek
