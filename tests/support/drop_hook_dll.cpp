// Loaded into Dek by a test through a WH_GETMESSAGE hook on Dek's user-interface thread. When Dek
// takes the trigger message from its queue, the DLL reads the test's drop request and replaces
// the message by WM_DROPFILES with a DROPFILES block allocated in Dek, as a drop from the shell.
#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <iterator>

#include "tests/support/drop_hook.h"

namespace {

HGLOBAL BuildDrop(const dektest::DropRequest& request) {
    size_t length = 0;  // characters of the list, its final NUL included
    while (length + 1 < std::size(request.names) && (request.names[length] || request.names[length + 1])) ++length;
    length += 2;
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + length * sizeof(wchar_t));
    if (!memory) return nullptr;
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = {10, 10};
    drop->fNC = FALSE;
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), const_cast<const wchar_t*>(request.names),
                length * sizeof(wchar_t));
    GlobalUnlock(memory);
    return memory;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK DropHookProc(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT trigger = RegisterWindowMessageW(dektest::kDropTriggerMessage);
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == trigger) {
        HANDLE mapping = OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE,
                                          dektest::DropMappingName(GetCurrentProcessId()).c_str());
        if (mapping) {
            if (auto* request = static_cast<dektest::DropRequest*>(
                    MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(dektest::DropRequest)))) {
                if (HGLOBAL drop = BuildDrop(*request)) {
                    msg->message = WM_DROPFILES;
                    msg->wParam = reinterpret_cast<WPARAM>(drop);
                    msg->lParam = 0;
                }
                InterlockedExchange(&request->taken, request->requested);
                UnmapViewOfFile(request);
            }
            CloseHandle(mapping);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
