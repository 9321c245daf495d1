#include "bench/probe_resident.h"

#include <cstdio>
#include <vector>

#include "bench/probe_driving.h"
#include "changer/collection/wall_rows.h"

namespace bench {
namespace {

constexpr UINT kAnswerWithin = 10000;  // ms

std::vector<std::wstring> ListRows(HWND list) {
    std::vector<std::wstring> rows;
    DWORD_PTR count = 0, length = 0;
    if (!SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_NORMAL, kAnswerWithin, &count)) return rows;
    for (WPARAM row = 0; row < count; ++row) {
        std::wstring text;
        if (SendMessageTimeoutW(list, LB_GETTEXTLEN, row, 0, SMTO_NORMAL, kAnswerWithin, &length)) {
            text.resize(length + 1);
            SendMessageTimeoutW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL, kAnswerWithin,
                                &length);
            text.resize(length);
        }
        rows.push_back(std::move(text));
    }
    return rows;
}

DWORD_PTR Send(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(list, message, wParam, lParam, SMTO_NORMAL, kAnswerWithin, &answer) ? answer : LB_ERR;
}

}  // namespace

double WatchedCopyTime(const std::wstring& folder, LRESULT rows, const std::wstring& bitmap) {
    const std::wstring added = L"wall05000a.bmp";  // into the middle of the list
    const std::wstring copy = folder + L"\\Wall\\" + added;
    platform::ScopeExit removeAdded([&] {  // once Dek has ended
        DeleteFileW(copy.c_str());
        DeleteFileW((folder + L"\\dat\\" + added + L".dat").c_str());
    });
    Program dek = Start(folder + L"\\Dek.exe", L"", folder);
    HWND main = nullptr;
    if (!WaitUntil(dek, [&] { return (main = ReadyWindow(dek, kDekClass, rows)) != nullptr; }) || !Settled(main)) return -1;
    const HWND list = GetDlgItem(main, kWallList);
    const std::vector<std::wstring> before = ListRows(list);
    // Rows keep their data only while the list is not filled anew: a mark on the first and the last.
    constexpr LPARAM kMark = 0x5eed;
    for (WPARAM row : {WPARAM{0}, static_cast<WPARAM>(rows - 1)}) Send(list, LB_SETITEMDATA, row, kMark);
    if (!CopyFileW(bitmap.c_str(), copy.c_str(), TRUE)) return -1;
    const double begin = Now();
    auto grown = [&] { return Send(list, LB_GETCOUNT, 0, 0) == static_cast<DWORD_PTR>(rows + 1); };
    if (!WaitUntil(dek, grown)) return -1;
    const double elapsed = Now() - begin;
    const std::wstring row = dek::WallRow(dek::Center, added);  // a new wallpaper's record: centred
    const DWORD_PTR found = Send(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(row.c_str()));
    std::vector<std::wstring> after = ListRows(list);
    const bool marked = Send(list, LB_GETITEMDATA, 0, 0) == kMark && Send(list, LB_GETITEMDATA, rows, 0) == kMark;
    if (found < after.size()) after.erase(after.begin() + static_cast<std::ptrdiff_t>(found));
    if (found == static_cast<DWORD_PTR>(LB_ERR) || after != before || !marked) {
        std::fprintf(stderr, "the copy's row %s, other rows %s, the list %s filled anew\n",
                     found == static_cast<DWORD_PTR>(LB_ERR) ? "is missing" : "is there",
                     after == before ? "stayed" : "changed", marked ? "was not" : "was");
        return -1;
    }
    return CloseAndWait(dek, main) == 0 ? elapsed : -1;
}

double IdleCpuTime(const std::wstring& exe, const std::wstring& folder, const wchar_t* windowClass) {
    // Where nobody left it: over a list, Wine's tooltip would look ten times a second whether the
    // pointer has gone, a cost of where it lies rather than of idling.
    SetCursorPos(0, 0);
    Program program = Start(exe, L"", folder);
    HWND window = nullptr;
    if (!WaitUntil(program, [&] { return (window = ReadyWindow(program, windowClass)) != nullptr; }) ||
        !Settled(window)) {
        return -1;
    }
    const double before = CpuTime(program);
    Sleep(60000);  // the idle time this figure is about
    const double used = CpuTime(program) - before;
    return CloseAndWait(program, window) == 0 && before >= 0 ? used : -1;
}

}  // namespace bench
