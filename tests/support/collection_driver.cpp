#include "tests/support/collection_driver.h"

#include <algorithm>

#include "tests/support/program_folder.h"

namespace dektest {

FileDropper::FileDropper(Dek& dek) : window_(dek.WaitForMainWindow()) {
    DWORD processId = 0;
    const DWORD threadId = GetWindowThreadProcessId(window_, &processId);
    mapping_.reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(DropRequest),
                                      DropMappingName(processId).c_str()));
    if (mapping_) {
        request_ = static_cast<DropRequest*>(MapViewOfFile(mapping_.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(DropRequest)));
    }
    dll_ = LoadLibraryW((BinFolder() + L"\\" + kDropHookDll).c_str());
    auto* proc = dll_ ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(dll_, kDropHookProcName))) : nullptr;
    if (proc && threadId) hook_ = SetWindowsHookExW(WH_GETMESSAGE, proc, dll_, threadId);
}

FileDropper::~FileDropper() {
    if (hook_) UnhookWindowsHookEx(hook_);
    if (request_) UnmapViewOfFile(request_);
    if (dll_) FreeLibrary(dll_);
}

bool FileDropper::Drop(const std::vector<std::wstring>& paths) {
    if (!hook_ || !request_) return false;
    std::wstring list;
    for (const std::wstring& path : paths) {
        list += path;
        list += L'\0';
    }
    list += L'\0';
    if (list.size() > std::size(request_->names)) return false;
    std::copy(list.begin(), list.end(), const_cast<wchar_t*>(request_->names));
    const LONG sequence = InterlockedIncrement(&request_->requested);
    PostMessageW(window_, RegisterWindowMessageW(kDropTriggerMessage), 0, 0);
    return WaitFor([&] { return request_->taken == sequence; });
}

HWND WaitForPositionDialog(const RunningProgram& program, std::chrono::milliseconds deadline) {
    HWND found = nullptr;
    WaitFor(
        [&] {
            found = program.FindWindow(dek::kPositionDialogTitle, dek::kPositionDialogClass);
            return found && IsWindowVisible(found);
        },
        deadline);
    return found && IsWindowVisible(found) ? found : nullptr;
}

int SelectedPosition(HWND form4) {
    for (int i = 0; i < 3; ++i) {
        if (IsChecked(GetDlgItem(form4, dek::Form4Option1 + i))) return i;
    }
    return -1;
}

bool PositionDialogOpen(const RunningProgram& program) {
    HWND form4 = program.FindWindow(dek::kPositionDialogTitle, dek::kPositionDialogClass);
    return form4 && IsWindowVisible(form4);
}

HWND FindPictureWindow(const RunningProgram& program) { return program.FindWindow(L"", dek::kPictureWindowClass); }

HWND FindOpenDialog(const RunningProgram& program, std::wstring_view title) {
    HWND dialog = program.FindWindow(title, L"#32770");
    return dialog && IsWindowVisible(dialog) ? dialog : nullptr;
}

bool ChooseInOpenDialog(const RunningProgram& program, std::wstring_view title, std::wstring_view typed) {
    HWND dialog = nullptr;
    if (!WaitFor([&] { return (dialog = FindOpenDialog(program, title)) != nullptr; })) return false;
    // The file-name box: a combo box (cmb13) with an edit inside, or a plain edit (edt1).
    HWND name = GetDlgItem(dialog, 0x47c);
    if (!name) name = GetDlgItem(dialog, 0x480);
    HWND open = GetDlgItem(dialog, IDOK);
    if (!name || !open) return false;
    const std::wstring text(typed);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    Click(open);
    return true;
}

std::wstring RecordedCommandLine(const std::wstring& program) {
    const std::string bytes = ReadFile(program + L".cmdline");
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

}  // namespace dektest
