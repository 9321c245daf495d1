// Times Dek from outside, as list_fill.sh runs it under Wine:
//   dek_bench_probe <program folder> start <rows> <runs>   start until List1 holds <rows> rows
//                                                          and the window is shown; then closes it
//   dek_bench_probe <program folder> oneshot <runs>        "Dek.exe -e" from start to exit
// Prints one line: the mode, the runs, and the median, minimum and maximum in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "changer/main_window_ids.h"
#include "platform/handles.h"

namespace {

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

struct Started {
    platform::UniqueKernelHandle process;
    DWORD id = 0;
};

Started Start(const std::wstring& folder, const wchar_t* arguments) {
    const std::wstring exe = folder + L"\\Dek.exe";
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION info = {};
    Started started;
    if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                       &info)) {
        CloseHandle(info.hThread);
        started.process.reset(info.hProcess);
        started.id = info.dwProcessId;
    }
    return started;
}

HWND MainWindowOf(DWORD processId) {
    HWND found = nullptr;
    while ((found = FindWindowExW(nullptr, found, dek::kMainWindowClass, dek::kMainWindowTitle)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (owner == processId) return found;
    }
    return nullptr;
}

// Milliseconds from process creation until the list holds `rows` rows in the shown window.
double TimeStart(const std::wstring& folder, LRESULT rows) {
    const double begin = Now();
    Started dek = Start(folder, L"");
    if (!dek.process) return -1;
    double end = -1;
    // Waiting for the message loop first keeps the probe from competing with Dek for the
    // wineserver while Dek starts; then the list and the window are checked.
    WaitForInputIdle(dek.process.get(), 60000);
    for (const double deadline = begin + 60000; Now() < deadline;) {
        HWND main = MainWindowOf(dek.id);
        if (main && IsWindowVisible(main) &&
            SendMessageW(GetDlgItem(main, dek::List1), LB_GETCOUNT, 0, 0) == rows) {
            end = Now();
            PostMessageW(main, WM_CLOSE, 0, 0);
            break;
        }
        if (WaitForSingleObject(dek.process.get(), 1) == WAIT_OBJECT_0) break;
    }
    if (WaitForSingleObject(dek.process.get(), 30000) != WAIT_OBJECT_0) TerminateProcess(dek.process.get(), 1);
    return end < 0 ? -1 : end - begin;
}

double TimeOneShot(const std::wstring& folder) {
    const double begin = Now();
    Started dek = Start(folder, L"-e");
    if (!dek.process) return -1;
    if (WaitForSingleObject(dek.process.get(), 60000) != WAIT_OBJECT_0) {
        TerminateProcess(dek.process.get(), 1);
        return -1;
    }
    return Now() - begin;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool start = argc == 5 && std::wcscmp(argv[2], L"start") == 0;
    const bool oneShot = argc == 4 && std::wcscmp(argv[2], L"oneshot") == 0;
    if (!start && !oneShot) {
        std::fprintf(stderr, "usage: dek_bench_probe <folder> start <rows> <runs> | <folder> oneshot <runs>\n");
        return 2;
    }
    const std::wstring folder = argv[1];
    const int runs = _wtoi(argv[argc - 1]);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double ms = start ? TimeStart(folder, _wtoi(argv[3])) : TimeOneShot(folder);
        if (ms < 0) {
            std::fprintf(stderr, "run %d failed\n", i + 1);
            return 1;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-8s runs %2d  median %8.1f ms  min %8.1f ms  max %8.1f ms\n", start ? "start" : "-e", runs,
                times[times.size() / 2], times.front(), times.back());
    return 0;
}
