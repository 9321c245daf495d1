#include "tests/support/collection_driver.h"

#include <algorithm>
#include <filesystem>

#include "tests/support/desktop.h"
#include "tests/support/drop_hook.h"
#include "tests/support/program_folder.h"

namespace dektest {

bool DropFiles(Dek& dek, const ProgramFolder& folder, const std::vector<std::wstring>& paths) {
    DWORD processId = 0;
    const DWORD threadId = GetWindowThreadProcessId(dek.WaitForMainWindow(), &processId);
    HMODULE dll = LoadLibraryW((BinFolder() + L"\\" + kDropHookDll).c_str());
    auto* proc = dll ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(dll, kDropHookProcName))) : nullptr;
    HHOOK hook = proc && threadId ? SetWindowsHookExW(WH_GETMESSAGE, proc, dll, threadId) : nullptr;
    std::wstring list;
    for (const std::wstring& path : paths) list += path + L'\0';
    list += L'\0';
    const std::wstring request = folder / kDropRequestFile;
    WriteFile(request, {reinterpret_cast<const char*>(list.data()), list.size() * sizeof(wchar_t)});
    PostMessageW(dek.main, RegisterWindowMessageW(kDropTriggerMessage), 0, 0);
    const bool taken = hook && WaitFor([&] { return !Exists(request); });
    if (hook) UnhookWindowsHookEx(hook);
    if (dll) FreeLibrary(dll);
    return taken;
}

bool Settled(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored) != 0;
}

std::vector<std::wstring> FolderNames(const std::wstring& folder) {
    std::vector<std::wstring> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().wstring());
    std::sort(names.begin(), names.end());
    return names;
}

bool ClickRowThen(HWND list, int row, HWND button) {
    ClickListRow(list, row);
    if (!WaitFor([&] { return ListSelection(list) == row && IsEnabled(button); })) return false;
    Click(button);
    return true;
}

HWND PositionDialog(const RunningProgram& program) {
    HWND form4 = program.FindWindow(dek::kPositionDialogTitle, dek::kPositionDialogClass);
    return form4 && IsWindowVisible(form4) ? form4 : nullptr;
}

HWND WaitForPositionDialog(const RunningProgram& program) {
    HWND form4 = nullptr;
    WaitFor([&] { return (form4 = PositionDialog(program)) != nullptr; });
    return form4;
}

int SelectedPosition(HWND form4) {
    for (int i = 0; i < 3; ++i) {
        if (IsChecked(GetDlgItem(form4, dek::Form4Option1 + i))) return i;
    }
    return -1;
}

bool AnswerPosition(const RunningProgram& program, HWND form4, int position, bool closeBox) {
    if (position >= 0) {
        Click(GetDlgItem(form4, dek::Form4Option1 + position));
        if (!WaitFor([&] { return SelectedPosition(form4) == position; })) return false;
    }
    if (closeBox) PostMessageW(form4, WM_CLOSE, 0, 0);
    else Click(GetDlgItem(form4, dek::Form4Command1));
    return WaitFor([&] { return !PositionDialog(program); });
}

HWND FindPictureWindow(const RunningProgram& program) { return program.FindWindow(L"", dek::kPictureWindowClass); }

bool AnswerOpenDialog(const RunningProgram& program, std::wstring_view title, std::wstring_view typed) {
    HWND dialog = nullptr;
    if (!WaitFor([&] { return (dialog = program.FindWindow(title, L"#32770")) && IsWindowVisible(dialog); })) return false;
    // The file-name box: a combo box (cmb13) with an edit inside, or a plain edit (edt1).
    HWND name = GetDlgItem(dialog, 0x47c) ? GetDlgItem(dialog, 0x47c) : GetDlgItem(dialog, 0x480);
    if (!typed.empty()) SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::wstring(typed).c_str()));
    Click(GetDlgItem(dialog, typed.empty() ? IDCANCEL : IDOK));
    return WaitFor([&] { return !IsWindow(dialog); });
}

std::wstring RecordedCommandLine(const std::wstring& program) {
    const std::string bytes = ReadFile(program + L".cmdline");
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

}  // namespace dektest
