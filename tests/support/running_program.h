// A program a test starts as a process of its own, ended with the test's scope whatever happens,
// so that no resident program outlives its test and blocks the next.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/handles.h"

namespace dektest {

class RunningProgram {
public:
    // Starts `exe` with `arguments` in the exe's folder.
    explicit RunningProgram(const std::wstring& exe, std::wstring_view arguments = {});
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    // Closes its windows as the user would; terminates it if it is still running at the deadline.
    ~RunningProgram();

    bool Started() const { return static_cast<bool>(process_); }
    bool HasEnded() const;
    // Waits for its end, answering its message boxes with OK: its exit code, none if it outlives
    // the deadline.
    std::optional<DWORD> ExitCode();
    // Its top-level window of this class; null while it has none.
    HWND Window(const wchar_t* className) const;

private:
    platform::UniqueKernelHandle process_;
    DWORD id_ = 0;
};

// Every top-level window of this class, of any process.
std::vector<HWND> TopLevelWindows(const wchar_t* className);

}  // namespace dektest
