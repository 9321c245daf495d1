#include "platform/dpi.h"

#include "platform/handles.h"

namespace platform {
namespace {

// Present from Windows 10 on; looked up so that older systems still run the programs.
template <typename Function>
Function FromUser32(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

int SystemDpi() {
    const WindowDC screen(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 96;
    return dpi > 0 ? dpi : 96;
}

int WindowDpi(HWND window) {
    static const auto getDpiForWindow = FromUser32<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    const int dpi = getDpiForWindow && window ? static_cast<int>(getDpiForWindow(window)) : 0;
    return dpi > 0 ? dpi : SystemDpi();
}

void AdjustFrameForDpi(RECT& rect, DWORD style, DWORD exStyle, bool menu, int dpi) {
    static const auto adjust = FromUser32<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    if (!adjust || !adjust(&rect, style, menu, exStyle, static_cast<UINT>(dpi))) {
        AdjustWindowRectEx(&rect, style, menu, exStyle);
    }
}

int MetricForDpi(int index, int dpi) {
    static const auto metric = FromUser32<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
    return metric ? metric(index, static_cast<UINT>(dpi)) : MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}

}  // namespace platform
