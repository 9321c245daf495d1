// The shortcut routine called directly, for what the window never asks of it: empty texts, a
// hot key, another show command, fields left unset. Its failures are seen through the window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "platform/files.h"
#include "platform/handles.h"
#include "shortcut_maker/make_shortcut.h"
#include "tests/e2e/dekset_links.h"
#include "tests/support/driver.h"
#include "tests/support/program_folder.h"

namespace {

using namespace dektest;
using dekset::ShortcutRequest;

std::wstring TemporaryLink() { return platform::TempFolder() + L"LinkTmp.lnk"; }

HWND BoxOfThread(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            if (ClassNameOf(hwnd) != L"#32770") return TRUE;
            *reinterpret_cast<HWND*>(lParam) = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

struct Outcome {
    bool result = false;
    std::wstring box;  // the text of the box it showed, "" for none
};

// Runs the routine on a thread of its own, so that a box it shows cannot stall the test: the box
// is read and answered from here.
Outcome MakeShortcutWatched(const ShortcutRequest& request) {
    std::atomic<bool> done = false;
    std::atomic<DWORD> thread = 0;
    Outcome outcome;
    std::thread worker([&] {
        platform::ComApartment com;
        thread = GetCurrentThreadId();
        outcome.result = dekset::MakeShortcut(nullptr, request);
        done = true;
    });
    while (!done) {
        HWND box = nullptr;
        WaitFor([&] { return done || (thread && (box = BoxOfThread(thread)) != nullptr && IsWindowVisible(box)); });
        if (box && !done) {
            outcome.box = MessageBoxText(box);
            Click(FindControlByText(box, L"OK"));
            WaitFor([&] { return !IsWindow(box); });
        }
    }
    worker.join();
    return outcome;
}

class ShortcutFile : public testing::Test {
protected:
    void SetUp() override { std::filesystem::remove(std::filesystem::path(TemporaryLink()), ignored_); }
    void TearDown() override { std::filesystem::remove(std::filesystem::path(TemporaryLink()), ignored_); }

    ProgramFolder folder_{L"shortcut file", L"Dek.exe"};
    std::error_code ignored_;
};

TEST_F(ShortcutFile, AnEmptyTargetOrLinkPathGivesFalseAtOnceSilently) {
    const std::wstring link = folder_ / L"never.lnk";
    ShortcutRequest noTarget;
    noTarget.linkPath = link;
    noTarget.workingFolder = folder_.Path();
    Outcome outcome = MakeShortcutWatched(noTarget);
    EXPECT_FALSE(outcome.result);
    EXPECT_EQ(outcome.box, L"");

    ShortcutRequest noLink;
    noLink.target = folder_.Exe();
    outcome = MakeShortcutWatched(noLink);
    EXPECT_FALSE(outcome.result);
    EXPECT_EQ(outcome.box, L"");

    EXPECT_FALSE(Exists(link));
    EXPECT_FALSE(Exists(TemporaryLink()));
}

TEST_F(ShortcutFile, EveryFieldGivenReachesTheFileAndEmptyOnesStayUnset) {
    ShortcutRequest full;
    full.linkPath = folder_ / L"full.lnk";
    full.target = folder_.Exe();
    full.workingFolder = folder_ / L"作業";
    full.arguments = L"-s \"two words\"";
    full.iconFile = folder_.Exe();
    full.iconIndex = 3;
    full.showCommand = SW_SHOWMINNOACTIVE;
    full.hotKey = MAKEWORD('D', HOTKEYF_CONTROL | HOTKEYF_ALT);
    ASSERT_TRUE(platform::CreateFolder(full.workingFolder));
    Outcome outcome = MakeShortcutWatched(full);
    EXPECT_TRUE(outcome.result);
    EXPECT_EQ(outcome.box, L"");
    ExpectLink(full.linkPath, {full.target, full.workingFolder, full.arguments, full.iconFile, 3, SW_SHOWMINNOACTIVE,
                               static_cast<WORD>(full.hotKey)});

    ShortcutRequest bare;
    bare.linkPath = folder_ / L"bare.lnk";
    bare.target = folder_.Exe();
    outcome = MakeShortcutWatched(bare);
    EXPECT_TRUE(outcome.result);
    ExpectLink(bare.linkPath, {bare.target, L"", L"", L"", 0, 0, 0, true});
    EXPECT_FALSE(Exists(TemporaryLink()));
}

}  // namespace
