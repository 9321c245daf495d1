// Planted beside a program under a system DLL's name: once loaded, it leaves "<its path>.loaded".
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    wchar_t marker[MAX_PATH + 8];  // room for the suffix even after a path cut at MAX_PATH
    if (reason == DLL_PROCESS_ATTACH && lstrcpyW(marker + GetModuleFileNameW(self, marker, MAX_PATH), L".loaded")) {
        CloseHandle(CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    return TRUE;
}
