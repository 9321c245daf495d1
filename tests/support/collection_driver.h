// Driving what Dek's collection buttons open: the position dialog Form4, the picture window Form2,
// the open-file dialog; dropping files on the main window; and reading what a stand-in screen
// saver recorded.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "changer/collection/form_ids.h"
#include "tests/support/dek.h"
#include "tests/support/drop_hook.h"

namespace dektest {

// Drops files on Dek's main window through the hook DLL (see drop_hook.h).
class FileDropper {
public:
    explicit FileDropper(Dek& dek);
    FileDropper(const FileDropper&) = delete;
    FileDropper& operator=(const FileDropper&) = delete;
    ~FileDropper();

    // Drops the paths, in this order; true once Dek has taken the drop from its queue.
    bool Drop(const std::vector<std::wstring>& paths);

private:
    HWND window_ = nullptr;
    HMODULE dll_ = nullptr;
    HHOOK hook_ = nullptr;
    platform::UniqueKernelHandle mapping_;
    DropRequest* request_ = nullptr;
};

// Form4 once it is shown; null if it did not come within the deadline.
HWND WaitForPositionDialog(const RunningProgram& program, std::chrono::milliseconds deadline = kDeadline);
// The position whose option is selected in Form4, or -1 when none is.
int SelectedPosition(HWND form4);
// Whether Form4 is open (shown) now.
bool PositionDialogOpen(const RunningProgram& program);

// Form2 while it exists (shown or not).
HWND FindPictureWindow(const RunningProgram& program);

// Waits for the open-file dialog with this title, types `typed` into its file-name box and
// presses its Open button; false when the dialog or its controls were not found.
bool ChooseInOpenDialog(const RunningProgram& program, std::wstring_view title, std::wstring_view typed);
// The open-file dialog with this title, while it is shown.
HWND FindOpenDialog(const RunningProgram& program, std::wstring_view title);

// The command line a copy of command_line_recorder.exe at `program` was last started with;
// empty while it has not run.
std::wstring RecordedCommandLine(const std::wstring& program);

}  // namespace dektest
