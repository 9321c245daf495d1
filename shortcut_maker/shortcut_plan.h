// What DekSet decides before it touches the shell: where a shortcut goes, what it is called,
// what it starts and how, and how a failure is worded. No windows.h, so it is tested natively.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dekset {

// The window's caption and the title of every message box of the program.
inline constexpr std::wstring_view kProgramTitle = L"DEKショートカット作成";

// The two entries of DestinationBox's list, and the shell folders they stand for.
inline constexpr std::wstring_view kStartupEntry = L"スタートアップ";
inline constexpr std::wstring_view kDesktopEntry = L"デスクトップ";
inline constexpr int kCsidlStartup = 7;  // CSIDL_STARTUP
inline constexpr int kCsidlDesktop = 0;  // CSIDL_DESKTOP

// One per option button StartModeOption(0) to StartModeOption(2), in that order.
enum class StartMode { Normal, Hidden, RandomOnly };

struct StartModeInfo {
    std::wstring_view caption;       // the option button's caption
    std::wstring_view shortcutName;  // the shortcut file's name without ".LNK"
    std::wstring_view arguments;     // Dek's command line; empty for the normal start
};

StartModeInfo InfoOf(StartMode mode);

// Where the text of DestinationBox sends the shortcut.
struct Destination {
    std::optional<int> specialFolder;  // a shell folder (CSIDL) to look up when the shortcut is made
    std::wstring folder;               // otherwise this folder, as typed
};

// Only the exact entry texts name the special folders; any other text (a blank around an entry
// included) is a folder path, of which one trailing "\" is dropped.
Destination DestinationOf(std::wstring_view comboText);

// Everything the shortcut file is made of, in the order the shell link object is filled.
struct ShortcutRequest {
    std::wstring linkPath;       // full path of the shortcut file, extension included
    std::wstring target;         // the program it starts
    std::wstring workingFolder;  // "" leaves it unset
    std::wstring arguments;      // "" leaves them unset
    std::wstring iconFile;       // "" leaves the icon unset
    int32_t iconIndex = 0;
    int32_t showCommand = 0;
    int32_t hotKey = 0;          // 0: none
};

// A shortcut to Dek.exe in the maker's own folder (no trailing separator), written into
// `destinationFolder` as "<name>.LNK". A "\" always joins folder and name, so a folder that still
// ends in one gives two in a row.
ShortcutRequest PlanShortcut(std::wstring_view makerFolder, std::wstring_view destinationFolder, StartMode mode);

// The error box's text: the failure's description, a carriage return and its number in decimal.
std::wstring ErrorBoxText(std::wstring_view description, int32_t number);

}  // namespace dekset
