// The shell's own link object (CLSID_ShellLink), which fills and saves shortcut files. One
// method per call on the object, each giving the call's HRESULT, so that the caller decides
// what a failure means.
#pragma once

#include <windows.h>
#include <shobjidl.h>

#include <string>

#include "platform/handles.h"

namespace platform {

class ShellLink {
public:
    // Creates the object and takes both of its interfaces, IShellLinkW and IPersistFile.
    HRESULT Create();

    HRESULT SetPath(const std::wstring& target);
    HRESULT SetWorkingDirectory(const std::wstring& folder);
    HRESULT SetArguments(const std::wstring& arguments);
    HRESULT SetIconLocation(const std::wstring& file, int index);
    HRESULT SetHotkey(WORD hotKey);
    HRESULT SetShowCmd(int showCommand);
    HRESULT Resolve(HWND owner, DWORD flags);
    HRESULT Save(const std::wstring& path, bool remember);

private:
    ComPtr<IShellLinkW> link_;
    ComPtr<IPersistFile> file_;
};

}  // namespace platform
