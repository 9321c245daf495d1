// Planted beside a program under a system DLL's name: once loaded, it leaves "<its path>.loaded".
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    wchar_t marker[MAX_PATH + 8];
    const DWORD length = reason == DLL_PROCESS_ATTACH ? GetModuleFileNameW(self, marker, MAX_PATH) : 0;
    if (length == 0 || length >= MAX_PATH) return TRUE;
    lstrcpyW(marker + length, L".loaded");
    const HANDLE file = CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return TRUE;
}
