#include "shortcut_maker/shortcut_plan.h"

namespace dekset {

StartModeInfo InfoOf(StartMode mode) {
    switch (mode) {
    case StartMode::Normal: return {L"通常起動", L"Dek通常起動", L""};
    case StartMode::Hidden: return {L"最小化状態で起動(-s)", L"Dek最小化状態で起動", L"-s"};
    case StartMode::RandomOnly: return {L"ランダム変更のみ(-e)", L"Dekランダム変更のみ", L"-e"};
    }
    return {};
}

Destination DestinationOf(std::wstring_view comboText) {
    if (comboText == kStartupEntry) return {kCsidlStartup, {}};
    if (comboText == kDesktopEntry) return {kCsidlDesktop, {}};
    std::wstring folder(comboText);
    if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    return {std::nullopt, std::move(folder)};
}

ShortcutRequest PlanShortcut(std::wstring_view makerFolder, std::wstring_view destinationFolder, StartMode mode) {
    const StartModeInfo info = InfoOf(mode);
    const std::wstring dek = std::wstring(makerFolder) + L"\\Dek.exe";
    ShortcutRequest request;
    request.linkPath = std::wstring(destinationFolder) + L"\\" + std::wstring(info.shortcutName) + L".LNK";
    request.target = dek;
    request.workingFolder = std::wstring(makerFolder);
    request.arguments = std::wstring(info.arguments);
    request.iconFile = dek;
    // Icon 0 of Dek.exe, show command 0 and no hot key: the shell starts a show command other
    // than 1, 3 and 7 in a normal window.
    return request;
}

std::wstring ErrorBoxText(std::wstring_view description, int32_t number) {
    return std::wstring(description) + L"\r" + std::to_wstring(number);
}

}  // namespace dekset
