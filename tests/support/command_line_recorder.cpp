// A stand-in screen saver: writes the command line it was started with (UTF-16) to its own path
// followed by ".cmdline", then ends.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t self[32768];
    const std::wstring record = std::wstring(self, GetModuleFileNameW(nullptr, self, 32768)) + L".cmdline";
    const std::wstring_view commandLine = GetCommandLineW();
    std::ofstream out(std::filesystem::path(record), std::ios::binary);
    out.write(reinterpret_cast<const char*>(commandLine.data()), static_cast<std::streamsize>(commandLine.size() * sizeof(wchar_t)));
    return out ? 0 : 1;
}
