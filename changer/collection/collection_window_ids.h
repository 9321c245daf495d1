// Window classes, titles and control ids of the preview's picture window and the display-position
// dialog, shared with the tests that drive them.
#pragma once

#include "changer/collection/display_record.h"

namespace dek {

inline constexpr wchar_t kPictureWindowClass[] = L"DekorinPictureWindow";  // no caption
inline constexpr wchar_t kPositionDialogClass[] = L"DekorinPositionDialog";
inline constexpr wchar_t kPositionDialogTitle[] = L"壁紙の表示位置";

inline constexpr int PreviewPicture = 101;

// One option per display position, in the order of the positions.
inline constexpr int kPositionOptionBase = 201;
constexpr int PositionOption(DisplayPosition position) { return kPositionOptionBase + position; }
inline constexpr int PositionOkButton = 211;

}  // namespace dek
