// Shared by a test and the drop hook DLL, which the test hooks into Dek's user-interface thread:
// the test writes the dropped paths (UTF-16, each ended by a NUL, one more NUL at the end) to
// kDropRequestFile beside Dek.exe and posts kDropTriggerMessage to the main window; the DLL turns
// that message into WM_DROPFILES with a DROPFILES block in Dek's memory, as the shell does, and
// deletes the file.
#pragma once

namespace dektest {

inline constexpr wchar_t kDropTriggerMessage[] = L"DekTestDropFiles";
inline constexpr char kDropHookProcName[] = "DropHookProc";
inline constexpr wchar_t kDropHookDll[] = L"dek_drop_hook.dll";
inline constexpr wchar_t kDropRequestFile[] = L"drop-request.bin";

}  // namespace dektest
