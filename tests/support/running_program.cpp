#include "tests/support/running_program.h"

#include <functional>

#include "tests/support/dek.h"

namespace dektest {
namespace {

std::vector<HWND> TopLevelWindowsWhere(const std::function<bool(HWND)>& wanted) {
    struct Search {
        const std::function<bool(HWND)>& wanted;
        std::vector<HWND> found;
    } search{wanted, {}};
    EnumWindows([](HWND window, LPARAM context) {
        auto& s = *reinterpret_cast<Search*>(context);
        if (s.wanted(window)) s.found.push_back(window);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

DWORD ProcessOf(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return id;
}

}  // namespace

RunningProgram::RunningProgram(const std::wstring& exe, std::wstring_view arguments) {
    std::wstring commandLine = L"\"" + exe + L"\" " + std::wstring(arguments);
    const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION info = {};
    if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                       &info)) {
        process_.reset(info.hProcess);
        CloseHandle(info.hThread);
        id_ = info.dwProcessId;
    }
}

RunningProgram::~RunningProgram() {
    if (!process_) return;
    const bool closed = WaitFor([&] {
        for (HWND window : TopLevelWindowsWhere([&](HWND w) { return ProcessOf(w) == id_; })) PostMessageW(window, WM_CLOSE, 0, 0);
        return HasEnded();
    }, 5s);
    if (!closed) TerminateProcess(process_.get(), 99);
    WaitForSingleObject(process_.get(), 5000);
}

bool RunningProgram::HasEnded() const { return !process_ || WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }

std::optional<DWORD> RunningProgram::ExitCode() {
    const bool ended = WaitFor([&] {
        if (HWND box = Window(L"#32770")) PostMessageW(box, WM_COMMAND, IDOK, 0);
        return HasEnded();
    });
    DWORD code = 0;
    if (ended && process_ && GetExitCodeProcess(process_.get(), &code)) return code;
    return {};
}

HWND RunningProgram::Window(const wchar_t* className) const {
    const auto found = TopLevelWindowsWhere([&](HWND w) { return ProcessOf(w) == id_ && ClassNameOf(w) == className; });
    return found.empty() ? nullptr : found.front();
}

std::vector<HWND> TopLevelWindows(const wchar_t* className) {
    return TopLevelWindowsWhere([&](HWND w) { return ClassNameOf(w) == className; });
}

}  // namespace dektest
