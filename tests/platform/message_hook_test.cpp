#include "changer/core/message_hook.h"

#include <gtest/gtest.h>

#include "changer/core/module.h"

namespace {

int g_seen = 0;

LRESULT CALLBACK CountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP + 7) return ++g_seen * 100 + static_cast<LRESULT>(wParam);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(MessageHook, HandsEveryMessageOnAndRestoresTheProcedure) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"HookTestWindow";
    RegisterClassW(&wc);
    HWND window = CreateWindowW(L"HookTestWindow", L"", 0, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(dek::Module1().PrevWndProc, nullptr);
    dek::RemoveHook(window);  // nothing installed: nothing happens
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&CountingProc));

    dek::InstallHook(window);
    EXPECT_EQ(dek::Module1().PrevWndProc, &CountingProc);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&dek::MessageHook));
    // The hook passes message and parameters on and returns the earlier procedure's result.
    EXPECT_EQ(SendMessageW(window, WM_APP + 7, 5, 0), 105);
    EXPECT_EQ(g_seen, 1);

    dek::RemoveHook(window);
    EXPECT_EQ(dek::Module1().PrevWndProc, nullptr);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&CountingProc));
    EXPECT_EQ(SendMessageW(window, WM_APP + 7, 1, 0), 201);
    DestroyWindow(window);
}

}  // namespace
