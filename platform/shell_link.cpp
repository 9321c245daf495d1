#include "platform/shell_link.h"

#include <shlguid.h>

#include "platform/com.h"

namespace platform {

HRESULT ShellLink::Create() {
    HRESULT hr = UseCom();
    if (FAILED(hr)) return hr;
    hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link_.put_void());
    if (FAILED(hr)) return hr;
    return link_->QueryInterface(IID_IPersistFile, file_.put_void());
}

// Every call below is made only after Create succeeded; a missing object is still a failure
// of the call, never a crash.
HRESULT ShellLink::SetPath(const std::wstring& target) {
    return link_ ? link_->SetPath(target.c_str()) : E_POINTER;
}

HRESULT ShellLink::SetWorkingDirectory(const std::wstring& folder) {
    return link_ ? link_->SetWorkingDirectory(folder.c_str()) : E_POINTER;
}

HRESULT ShellLink::SetArguments(const std::wstring& arguments) {
    return link_ ? link_->SetArguments(arguments.c_str()) : E_POINTER;
}

HRESULT ShellLink::SetIconLocation(const std::wstring& file, int index) {
    return link_ ? link_->SetIconLocation(file.c_str(), index) : E_POINTER;
}

HRESULT ShellLink::SetHotkey(WORD hotKey) { return link_ ? link_->SetHotkey(hotKey) : E_POINTER; }

HRESULT ShellLink::SetShowCmd(int showCommand) { return link_ ? link_->SetShowCmd(showCommand) : E_POINTER; }

HRESULT ShellLink::Resolve(HWND owner, DWORD flags) { return link_ ? link_->Resolve(owner, flags) : E_POINTER; }

HRESULT ShellLink::Save(const std::wstring& path, bool remember) {
    return file_ ? file_->Save(path.c_str(), remember ? TRUE : FALSE) : E_POINTER;
}

}  // namespace platform
