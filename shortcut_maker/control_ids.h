// DekSet's window and its controls, shared with the tests and tools that drive DekSet from outside.
#pragma once

namespace dekset {

inline constexpr wchar_t kWindowClass[] = L"DekSetWindow";

enum ShortcutWindowControl : int {
    DestinationLabel = 1001,
    BrowseButton,          // "..."
    CreateShortcutButton,  // "ショートカット作成"
    ExitButton,            // "終了"
    DestinationBox,        // "スタートアップ", "デスクトップ" or a typed folder
    StartModeOptionBase = 1101,
};

// The option buttons of the start modes, in the order of StartMode.
constexpr int StartModeOption(int index) { return StartModeOptionBase + index; }

}  // namespace dekset
