#include "changer/collection/drop.h"

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
// drop leaks one block per drop. Nothing here enters a collection (no main window).
TEST(Drop, TheDropIsReleasedOnceItsNameHasBeenRead) {
    HDROP drop = MakeDrop(L"C:\\" + std::wstring(200, L'x') + L"\\notes.txt");
    ASSERT_NE(GlobalSize(drop), 0u);
    dek::TakeDroppedFiles(nullptr, drop);
    SetLastError(0);
    EXPECT_EQ(GlobalSize(drop), 0u);
}

}  // namespace
