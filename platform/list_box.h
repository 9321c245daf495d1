// List boxes: their rows and their one selected row.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace platform {

// Replaces every row, without redrawing the list for each one.
void FillListBox(HWND listBox, const std::vector<std::wstring>& rows);
void InsertListRow(HWND listBox, int row, const std::wstring& text);
void DeleteListRow(HWND listBox, int row);

// Selecting -1 leaves no row selected. Selecting from code sends no notification.
void SelectListRow(HWND listBox, int row);
// The selected row, or -1.
int SelectedListRow(HWND listBox);

}  // namespace platform
