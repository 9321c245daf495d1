// How Dek was asked to run, read from its command line.
#pragma once

#include <string>
#include <string_view>

namespace dek {

enum class RunMode {
    Normal,   // no argument: window shown, icon added
    OneShot,  // "-e": one random change, then exit; no window, no icon
    Hidden,   // any other argument ("-s"): window hidden, icon added
};

// The arguments that follow the program name on a full command line (the part GetCommandLineW
// gives beyond the program), with the blanks that separate them from the name removed.
std::wstring_view ArgumentsOf(std::wstring_view commandLine);

// The arguments without leading blanks, cut to two characters and upper-cased: "-E", "-S", "".
std::wstring RunModeText(std::wstring_view arguments);

RunMode ParseRunMode(std::wstring_view arguments);

}  // namespace dek
