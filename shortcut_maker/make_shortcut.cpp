#include "shortcut_maker/make_shortcut.h"

#include <optional>

#include "platform/error_text.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/shell_link.h"

namespace dekset {
namespace {

constexpr wchar_t kTemporaryName[] = L"LinkTmp.lnk";

std::optional<Failure> WriteShortcut(const ShortcutRequest& request) {
    platform::ShellLink link;
    // Each call runs only while every call before it succeeded.
    HRESULT hr = link.Create();
    if (SUCCEEDED(hr)) hr = link.SetPath(request.target);
    if (SUCCEEDED(hr) && !request.workingFolder.empty()) hr = link.SetWorkingDirectory(request.workingFolder);
    if (SUCCEEDED(hr) && !request.arguments.empty()) hr = link.SetArguments(request.arguments);
    if (SUCCEEDED(hr) && !request.iconFile.empty()) hr = link.SetIconLocation(request.iconFile, request.iconIndex);
    if (SUCCEEDED(hr)) hr = link.SetHotkey(static_cast<WORD>(request.hotKey));
    if (SUCCEEDED(hr)) hr = link.SetShowCmd(request.showCommand);
    if (SUCCEEDED(hr)) hr = link.Resolve(nullptr, SLR_UPDATE);
    if (FAILED(hr)) return FailureOfResult(hr);

    const std::wstring temporaryFolder = platform::TempFolder();
    if (temporaryFolder.empty()) return FailureOfLastError();
    const std::wstring temporary = temporaryFolder + kTemporaryName;
    hr = link.Save(temporary, false);
    if (FAILED(hr)) return FailureOfResult(hr);
    // Written elsewhere first, so that a failure never leaves a half-written file at the link path.
    if (const DWORD error = platform::CopyFileReplacing(temporary, request.linkPath)) {
        return Failure{static_cast<int32_t>(error), platform::ErrorText(error)};
    }
    if (!platform::DeleteFileAt(temporary)) return FailureOfLastError();
    return std::nullopt;
}

}  // namespace

Failure FailureOfResult(HRESULT result) { return {static_cast<int32_t>(result), platform::ErrorTextOfResult(result)}; }

Failure FailureOfLastError() {
    const DWORD code = GetLastError();
    return {static_cast<int32_t>(code), platform::ErrorText(code)};
}

void ShowErrorBox(HWND owner, const Failure& failure) {
    platform::ShowMessage(owner, ErrorBoxText(failure.description, failure.number), kProgramTitle, MB_ICONEXCLAMATION);
}

bool MakeShortcut(HWND owner, const ShortcutRequest& request) {
    if (request.target.empty() || request.linkPath.empty()) return false;
    const std::optional<Failure> failure = WriteShortcut(request);
    if (!failure) return true;
    ShowErrorBox(owner, *failure);
    return false;
}

}  // namespace dekset
