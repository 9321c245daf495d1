// The drop hook DLL (see drop_hook.h), hooked with WH_GETMESSAGE into Dek's user-interface thread.
#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/drop_hook.h"

extern "C" __declspec(dllexport) LRESULT CALLBACK DropHookProc(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT trigger = RegisterWindowMessageW(dektest::kDropTriggerMessage);
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code != HC_ACTION || wParam != PM_REMOVE || msg->message != trigger) return CallNextHookEx(nullptr, code, wParam, lParam);
    std::wstring request(32768, L'\0');
    request.resize(GetModuleFileNameW(nullptr, request.data(), static_cast<DWORD>(request.size())));
    request = request.substr(0, request.find_last_of(L'\\') + 1) + dektest::kDropRequestFile;
    std::ifstream in(std::filesystem::path(request), std::ios::binary);
    const std::string names((std::istreambuf_iterator<char>(in)), {});
    in.close();
    if (HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size())) {
        auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
        *drop = {sizeof(DROPFILES), {10, 10}, FALSE, TRUE};
        std::memcpy(drop + 1, names.data(), names.size());
        GlobalUnlock(memory);
        msg->message = WM_DROPFILES;
        msg->wParam = reinterpret_cast<WPARAM>(memory);
        msg->lParam = 0;
    }
    DeleteFileW(request.c_str());
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
