// List boxes: their rows and their one selected row.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace platform {

// Replaces every row, without redrawing the list for each one.
void FillListBox(HWND listBox, const std::vector<std::wstring>& rows);

// The selected row, or -1; selecting -1 leaves no row selected. Selecting from code sends no
// notification.
int SelectedListRow(HWND listBox);
// The text of a row; empty for a row that is not there.
std::wstring ListRowText(HWND listBox, int row);
void SelectListRow(HWND listBox, int row);

}  // namespace platform
