// Driving what Dek's collection buttons open (the position dialog Form4, the picture window Form2,
// the open-file dialog), dropping files on the main window, and reading what a stand-in screen
// saver recorded.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "changer/collection/form_ids.h"
#include "tests/support/dek.h"

namespace dektest {

// Drops the paths, in this order, on the main window of Dek started from `folder`, through the
// hook DLL (see drop_hook.h); true once Dek has taken the drop from its queue.
bool DropFiles(Dek& dek, const ProgramFolder& folder, const std::vector<std::wstring>& paths);

// True once the window's thread has handled everything posted before; a modal loop started
// meanwhile answers too, so a dialog it opened is shown by then.
bool Settled(HWND window);
// The names in a folder, sorted.
std::vector<std::wstring> FolderNames(const std::wstring& folder);
// Clicks a row of a list box and, once the row is selected and the button enabled, the button.
bool ClickRowThen(HWND list, int row, HWND button);

// Form4 while it is shown, or null; WaitForPositionDialog waits for it within the deadline.
HWND PositionDialog(const RunningProgram& program);
HWND WaitForPositionDialog(const RunningProgram& program);
// The position whose option is selected in Form4, or -1.
int SelectedPosition(HWND form4);
// Clicks the option of `position` (none for -1), then OK or the close box; true once Form4 is gone.
bool AnswerPosition(const RunningProgram& program, HWND form4, int position, bool closeBox = false);

// Form2 while it exists (shown or not).
HWND FindPictureWindow(const RunningProgram& program);

// Waits for the open-file dialog with this title, types `typed` into its file-name box and
// presses Open, or presses Cancel when `typed` is empty; true once the dialog has closed.
bool AnswerOpenDialog(const RunningProgram& program, std::wstring_view title, std::wstring_view typed);

// The command line a copy of command_line_recorder.exe at `program` was started with; empty
// while it has not run.
std::wstring RecordedCommandLine(const std::wstring& program);

}  // namespace dektest
