// The floor of "Dek.exe -e": only the registry, profile and system-parameter calls of one random
// change, with no C runtime, importing kernel32, user32 and advapi32 alone.
// Runs in a program folder (Wall, Saver, dat) given as its current folder.
#include <windows.h>

#include "bench/floor_parts.h"
#include "platform/handles.h"

namespace {

void ReadSettings() {
    platform::UniqueHKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\DEK\\setting", 0, KEY_READ,
                      key.put()) != ERROR_SUCCESS) {
        return;
    }
    for (const wchar_t* name :
         {L"opt1value", L"opt2value", L"opt3value", L"changeinterval", L"wavdir", L"defdir", L"defdir2"}) {
        wchar_t value[MAX_PATH];
        DWORD size = sizeof value;
        RegQueryValueExW(key.get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    }
}

// One pass over the folder, no list kept: a uniform pick among the files but the first by name,
// or the only one. That is Dek's first pick of a run, so both apply the same wallpaper (whose
// position costs the desktop more or less to draw).
bool PickFile(const wchar_t* pattern, wchar_t (&name)[MAX_PATH]) {
    WIN32_FIND_DATAW found;
    platform::UniqueFind find(FindFirstFileW(pattern, &found));
    if (!find) return false;
    wchar_t first[MAX_PATH] = {};
    unsigned others = 0;
    unsigned random = GetTickCount();
    auto offer = [&](const wchar_t* candidate) {  // one more of the others, kept with chance 1/n
        random = random * 1664525u + 1013904223u;
        if ((random >> 8) % ++others == 0) lstrcpynW(name, candidate, MAX_PATH);
    };
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (!first[0]) {
            lstrcpynW(first, found.cFileName, MAX_PATH);
        } else if (lstrcmpiW(found.cFileName, first) < 0) {
            offer(first);
            lstrcpynW(first, found.cFileName, MAX_PATH);
        } else {
            offer(found.cFileName);
        }
    } while (FindNextFileW(find.get(), &found));
    if (others == 0 && first[0]) lstrcpynW(name, first, MAX_PATH);
    return first[0] != L'\0';
}

void SetDesktopValue(HKEY desktop, const wchar_t* name, const wchar_t* text) {
    RegSetValueExW(desktop, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>((lstrlenW(text) + 1) * sizeof(wchar_t)));
}

void ApplyWallpaper(const wchar_t* name) {
    const wchar_t record = benchfloor::ReadRecord(name);
    platform::UniqueHKey desktop;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        desktop.put(), nullptr) == ERROR_SUCCESS) {
        SetDesktopValue(desktop.get(), L"TileWallpaper", record == L'1' ? L"1" : L"0");
        SetDesktopValue(desktop.get(), L"WallpaperStyle", record == L'2' ? L"2" : L"0");
    }
    wchar_t relative[MAX_PATH + 8];
    wchar_t path[MAX_PATH * 2];
    lstrcpyW(relative, L"Wall\\");
    lstrcatW(relative, name);
    GetFullPathNameW(relative, MAX_PATH * 2, path, nullptr);
    SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, path, SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE);
}

void ApplyScreenSaver(const wchar_t* name) {
    wchar_t relative[MAX_PATH + 8];
    wchar_t path[MAX_PATH * 2];
    wchar_t shortPath[MAX_PATH * 2];
    lstrcpyW(relative, L"Saver\\");
    lstrcatW(relative, name);
    GetFullPathNameW(relative, MAX_PATH * 2, path, nullptr);
    if (!GetShortPathNameW(path, shortPath, MAX_PATH * 2)) shortPath[0] = L'\0';
    WritePrivateProfileStringW(L"boot", L"SCRNSAVE.EXE", shortPath, L"system.ini");
    SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE);
}

}  // namespace

extern "C" void FloorMain() {
    ReadSettings();
    wchar_t wall[MAX_PATH];
    wchar_t saver[MAX_PATH];
    const bool hasWall = PickFile(L"Wall\\*", wall);
    const bool hasSaver = PickFile(L"Saver\\*.scr", saver);
    if (hasWall) ApplyWallpaper(wall);
    if (hasSaver) ApplyScreenSaver(saver);
    ExitProcess(0);
}
