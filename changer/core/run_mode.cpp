#include "changer/core/run_mode.h"

namespace dek {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

std::wstring_view ArgumentsOf(std::wstring_view commandLine) {
    size_t i = 0;
    // The program name is quoted when its path holds blanks, and then ends at the closing quote
    // (as the system's own command-line parsing has it); otherwise it ends at the first blank.
    if (!commandLine.empty() && commandLine[0] == L'"') {
        const size_t close = commandLine.find(L'"', 1);
        i = close == std::wstring_view::npos ? commandLine.size() : close + 1;
    } else {
        while (i < commandLine.size() && !IsBlank(commandLine[i])) ++i;
    }
    while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
    return commandLine.substr(i);
}

std::wstring RunModeText(std::wstring_view arguments) {
    size_t start = 0;
    while (start < arguments.size() && IsBlank(arguments[start])) ++start;
    std::wstring mode(arguments.substr(start, 2));
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
