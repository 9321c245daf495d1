#include "changer/core/run_mode.h"

#include <algorithm>

namespace dek {

constexpr wchar_t kBlanks[] = L" \t";

std::wstring_view ArgumentsOf(std::wstring_view commandLine) {
    size_t i = 0;
    // The program name is quoted when its path holds blanks, and then ends at the closing quote
    // (as the system's own command-line parsing has it); otherwise it ends at the first blank.
    if (!commandLine.empty() && commandLine[0] == L'"') {
        const size_t close = commandLine.find(L'"', 1);
        i = close == std::wstring_view::npos ? commandLine.size() : close + 1;
    } else {
        i = std::min(commandLine.find_first_of(kBlanks), commandLine.size());
    }
    return commandLine.substr(std::min(commandLine.find_first_not_of(kBlanks, i), commandLine.size()));
}

std::wstring RunModeText(std::wstring_view arguments) {
    std::wstring mode(arguments.substr(std::min(arguments.find_first_not_of(kBlanks), arguments.size()), 2));
    for (wchar_t& c : mode) {
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    return mode;
}

RunMode ParseRunMode(std::wstring_view arguments) {
    const std::wstring mode = RunModeText(arguments);
    if (mode.empty()) return RunMode::Normal;
    if (mode == L"-E") return RunMode::OneShot;
    return RunMode::Hidden;
}

}  // namespace dek
