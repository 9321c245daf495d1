#include "bench/probe_soak.h"

#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/probe_driving.h"

namespace bench {
namespace {

// One row of the system's handle table (SystemExtendedHandleInformation).
struct HandleEntry {
    void* object;
    ULONG_PTR processId;
    ULONG_PTR handle;
    ULONG grantedAccess;
    USHORT creatorBackTraceIndex;
    USHORT objectTypeIndex;
    ULONG attributes;
    ULONG reserved;
};

// The handles a process holds, counted in the system's handle table: GetProcessHandleCount
// answers 0 for other processes under Wine. -1 when the table cannot be read.
long HandleCount(DWORD processId) {
    constexpr auto kExtendedHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(64);
    constexpr NTSTATUS kLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);
    std::vector<ULONG_PTR> table(1 << 16);
    NTSTATUS status;
    while ((status = NtQuerySystemInformation(kExtendedHandleInformation, table.data(),
                                              static_cast<ULONG>(table.size() * sizeof(ULONG_PTR)), nullptr)) ==
           kLengthMismatch) {
        table.resize(table.size() * 2);
    }
    if (status < 0) return -1;
    // The table: the number of rows, a reserved word, then the rows.
    const auto* rows = reinterpret_cast<const HandleEntry*>(table.data() + 2);
    long count = 0;
    for (ULONG_PTR i = 0; i < table[0]; ++i) count += rows[i].processId == processId;
    return count;
}

void PrintState(const Program& program, const char* when) {
    std::printf("  %-8s %5ld handles, working set %.1f MiB\n", when, HandleCount(program.id),
                WorkingSetBytes(program.process.get()) / 1048576.0);
}

bool ChangeMany(const std::wstring& folder, int changes) {
    Program dek = Start(folder + L"\\Dek.exe", L"", folder);
    HWND main = nullptr;
    if (!WaitUntil(dek, [&] { return (main = ReadyWindow(dek, kDekClass)) != nullptr; }) || !Settled(main)) {
        std::printf("  Dek did not start\n");
        return false;
    }
    std::printf("resident Dek, %d random changes (CHANGE menu, both), each sent and waited for:\n", changes);
    PrintState(dek, "before:");
    const double begin = Now();
    int unanswered = 0;
    for (int i = 0; i < changes; ++i) {
        DWORD_PTR ignored = 0;
        if (!SendMessageTimeoutW(main, WM_COMMAND, MAKEWPARAM(kChangeBoth, 0), 0, SMTO_NORMAL, 30000, &ignored)) {
            ++unanswered;
        }
    }
    const double seconds = (Now() - begin) / 1000.0;
    PrintState(dek, "after:");
    const long code = CloseAndWait(dek, main);
    std::printf("  %.1f s in all, %d changes unanswered within 30 s, exit code %ld after closing\n", seconds,
                unanswered, code);
    return unanswered == 0 && code == 0;
}

void PrintDurations(const char* which, const std::vector<double>& durations, size_t from) {
    std::printf("  %s ms:", which);
    for (size_t i = from; i < std::min(durations.size(), from + 10); ++i) std::printf(" %.0f", durations[i]);
    std::printf("\n");
}

bool OneShotMany(const std::wstring& folder, int runs) {
    std::printf("%d runs of Dek.exe -e, one after another:\n", runs);
    std::vector<double> durations;
    int failed = 0;
    for (int i = 0; i < runs; ++i) {
        const double begin = Now();
        Program dek = Start(folder + L"\\Dek.exe", L"-e", folder);
        const long code = dek.process ? WaitForExit(dek) : -1;
        durations.push_back(Now() - begin);
        if (code != 0) {
            ++failed;
            std::printf("  run %d failed: exit code %ld\n", i + 1, code);
        }
    }
    PrintDurations("first 10", durations, 0);
    PrintDurations("last 10 ", durations, durations.size() - std::min<size_t>(durations.size(), 10));
    std::printf("  failed runs: %d\n", failed);
    return failed == 0;
}

}  // namespace

int Soak(const std::wstring& folder, int changes, int runs) {
    const bool changed = ChangeMany(folder, changes);
    std::fflush(stdout);
    const bool ran = OneShotMany(folder, runs);
    return changed && ran ? 0 : 1;
}

}  // namespace bench
