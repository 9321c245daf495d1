// What a test and the drop hook DLL inside Dek share: a file drop is described in a named file
// mapping, and a registered message posted to Dek's main window asks the DLL to perform it. The
// DLL builds the DROPFILES block in Dek's own memory, as the shell does, and turns the message
// into WM_DROPFILES before Dek dispatches it.
#pragma once

#include <windows.h>

#include <string>

namespace dektest {

inline constexpr wchar_t kDropTriggerMessage[] = L"DekTestDropFiles";
inline constexpr char kDropHookProcName[] = "DropHookProc";
inline constexpr wchar_t kDropHookDll[] = L"dek_drop_hook.dll";

struct DropRequest {
    volatile LONG requested;  // raised by the test for each drop
    volatile LONG taken;      // set to `requested` by the DLL once the drop is posted
    wchar_t names[16384];     // the dropped paths, each ended by a NUL, one more NUL at the end
};

// One mapping per receiving process.
inline std::wstring DropMappingName(DWORD processId) { return L"DekTestDrop-" + std::to_wstring(processId); }

}  // namespace dektest
