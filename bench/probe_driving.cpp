#include "bench/probe_driving.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>

namespace bench {

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / frequency;
}

Program::~Program() {
    if (process && WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(process.get(), 99);
        WaitForSingleObject(process.get(), 10000);
    }
}

Program Start(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder, bool captureOutput) {
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup = {sizeof startup};
    platform::UniqueKernelHandle writeEnd;
    Program program;
    if (captureOutput) {
        SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
        if (!CreatePipe(program.output.put(), writeEnd.put(), &inheritable, 0)) return program;
        SetHandleInformation(program.output.get(), HANDLE_FLAG_INHERIT, 0);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = writeEnd.get();
    }
    PROCESS_INFORMATION info = {};
    if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, captureOutput, 0, nullptr, folder.c_str(),
                       &startup, &info)) {
        CloseHandle(info.hThread);
        program.process.reset(info.hProcess);
        program.id = info.dwProcessId;
    }
    return program;
}

bool WaitUntil(const Program& program, const std::function<bool()>& condition, double deadlineMs) {
    for (const double deadline = Now() + deadlineMs; Now() < deadline;) {
        if (condition()) return true;
        // The pause between two looks is also the check that the program still runs.
        if (WaitForSingleObject(program.process.get(), 1) == WAIT_OBJECT_0) return false;
    }
    return false;
}

long WaitForExit(const Program& program, DWORD deadlineMs) {
    DWORD code = 0;
    if (WaitForSingleObject(program.process.get(), deadlineMs) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(program.process.get(), &code)) {
        TerminateProcess(program.process.get(), 99);
        return -1;
    }
    return static_cast<long>(code);
}

long CloseAndWait(const Program& program, HWND window) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    return WaitForExit(program, 30000);
}

HWND FindTopLevel(DWORD processId, const wchar_t* className, const wchar_t* title) {
    HWND found = nullptr;
    while ((found = FindWindowExW(nullptr, found, className, title)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (owner == processId) return found;
    }
    return nullptr;
}

HWND ReadyWindow(const Program& program, const wchar_t* className, LRESULT rows) {
    HWND window = FindTopLevel(program.id, className);
    if (!window || !IsWindowVisible(window)) return nullptr;
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(GetDlgItem(window, kWallList), LB_GETCOUNT, 0, 0, SMTO_NORMAL, 10000, &count)) {
        return nullptr;
    }
    return rows < 0 || static_cast<LRESULT>(count) == rows ? window : nullptr;
}

bool Settled(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored) != 0;
}

double WorkingSetBytes(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters = {sizeof counters};
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) return -1;
    return static_cast<double>(counters.WorkingSetSize);
}

namespace {

double Milliseconds(const FILETIME& kernel, const FILETIME& user) {
    const auto ticks = [](const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;  // 100 ns ticks
}

}  // namespace

// Wine counts only the first thread in the times of another process, but each thread's own are
// right: the sum over the threads that run now is the larger there (and never on Windows).
double CpuTime(const Program& program) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(program.process.get(), &created, &exited, &kernel, &user)) return -1;
    const double process = Milliseconds(kernel, user);
    double threads = 0;
    platform::UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));  // invalid as a file is
    THREADENTRY32 entry = {sizeof entry};
    for (BOOL more = snapshot && Thread32First(snapshot.get(), &entry); more; more = Thread32Next(snapshot.get(), &entry)) {
        if (entry.th32OwnerProcessID != program.id) continue;
        platform::UniqueKernelHandle thread(OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ThreadID));
        if (thread && GetThreadTimes(thread.get(), &created, &exited, &kernel, &user)) threads += Milliseconds(kernel, user);
    }
    return std::max(process, threads);
}

std::wstring BinFolder() {
    wchar_t path[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    const std::wstring exe(path, n);
    return exe.substr(0, exe.find_last_of(L"\\/"));
}

}  // namespace bench
