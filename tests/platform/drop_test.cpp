#include "platform/shell.h"

#include <gtest/gtest.h>
#include <shlobj.h>

// The drop's memory belongs to the receiver, which must give it back: a program that keeps every
// drop leaks one block per drop.
TEST(Drop, TheDropIsReleasedOnceItsNameHasBeenRead) {
    const std::wstring path = L"C:\\" + std::wstring(200, L'x') + L"\\notes.txt";
    HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
    *files = {.pFiles = sizeof(DROPFILES), .fWide = TRUE};
    path.copy(reinterpret_cast<wchar_t*>(files + 1), path.size());
    GlobalUnlock(drop);
    EXPECT_EQ(platform::TakeFirstDroppedFile(static_cast<HDROP>(drop)), path);
    EXPECT_EQ(GlobalSize(drop), 0u);
}
