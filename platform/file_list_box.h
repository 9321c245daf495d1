// A list box that shows the normal files of one folder, by name, in alphabetical order.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace platform {

class FileListBox {
public:
    void Attach(HWND listBox) { listBox_ = listBox; }
    // Only names ending in `extension` (without regard to case) are listed; empty: every file.
    void SetPattern(std::wstring extension) { extension_ = std::move(extension); }
    // Points the list at a folder and reads it.
    void SetPath(std::wstring folder);
    // Reads the folder again; the selection is lost.
    void Refresh();

    const std::wstring& Path() const { return folder_; }
    int Count() const { return static_cast<int>(names_.size()); }
    const std::wstring& Name(int index) const { return names_.at(static_cast<size_t>(index)); }
    int SelectedIndex() const;
    // The selected file name without folder, or "".
    std::wstring SelectedName() const;
    // Selects a row without notifying; callers run their own selection handling.
    void Select(int index);

private:
    HWND listBox_ = nullptr;
    std::wstring folder_;
    std::wstring extension_;
    std::vector<std::wstring> names_;
};

// Fills a list box with rows, without redrawing it for each row.
void FillListBox(HWND listBox, const std::vector<std::wstring>& rows);

}  // namespace platform
