#include "bench/floor_parts.h"

#include "platform/handles.h"

namespace benchfloor {
namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

wchar_t ReadRecord(const wchar_t* wallName) {
    wchar_t path[MAX_PATH + 8];
    lstrcpyW(path, L"dat\\");
    lstrcpynW(path + 4, wallName, MAX_PATH);
    lstrcatW(path, L".dat");
    platform::UniqueFile file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    char digit = '0';
    DWORD got = 0;
    if (file) ReadFile(file.get(), &digit, 1, &got, nullptr);
    return static_cast<wchar_t>(digit);
}

HWND CreateFloorWindow() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass = {sizeof windowClass};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(0, kWindowClass, L"Dek bench floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 400, 500, nullptr, nullptr, instance, nullptr);
    if (!window) return nullptr;
    CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, 8, 8, 360, 440,
                    window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), instance, nullptr);
    return window;
}

void RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace benchfloor
