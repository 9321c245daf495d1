#include "platform/shell.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <string>

namespace {

HDROP MakeDrop(const std::wstring& path) {
    const size_t bytes = (path.size() + 2) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), path.c_str(), path.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

// The drop's memory belongs to the receiver, which must give it back: a program that keeps every
// drop leaks one block per drop.
TEST(Drop, TheDropIsReleasedOnceItsNameHasBeenRead) {
    const std::wstring path = L"C:\\" + std::wstring(200, L'x') + L"\\notes.txt";
    HDROP drop = MakeDrop(path);
    ASSERT_NE(GlobalSize(drop), 0u);
    EXPECT_EQ(platform::TakeFirstDroppedFile(drop), path);
    SetLastError(0);
    EXPECT_EQ(GlobalSize(drop), 0u);
}

}  // namespace
