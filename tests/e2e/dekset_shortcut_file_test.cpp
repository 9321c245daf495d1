// The shortcut routine called directly, for what the window never asks of it: empty texts, a
// hot key and another show command.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/files.h"
#include "platform/com.h"
#include "platform/handles.h"
#include "shortcut_maker/make_shortcut.h"
#include "tests/e2e/dekset_links.h"
#include "tests/support/driver.h"
#include "tests/support/program_folder.h"

namespace {

using namespace dektest;
using dekset::ShortcutRequest;

struct Outcome {
    bool result = false;
    std::wstring box;  // the text of any box it showed, "" for none
};

// Runs the routine on a thread of its own, so that a box it shows is read and answered from here.
Outcome MakeShortcutWatched(const ShortcutRequest& request) {
    std::atomic<bool> done = false;
    std::atomic<DWORD> thread = 0;
    Outcome outcome;
    std::thread worker([&] {
        platform::UseCom();
        thread = GetCurrentThreadId();
        outcome.result = dekset::MakeShortcut(nullptr, request);
        done = true;
    });
    HWND box = nullptr;
    auto findBox = [&] {
        auto visibleBox = [](HWND hwnd, LPARAM found) -> BOOL {
            const bool isBox = ClassNameOf(hwnd) == L"#32770" && IsWindowVisible(hwnd);
            if (isBox) *reinterpret_cast<HWND*>(found) = hwnd;
            return !isBox;
        };
        EnumThreadWindows(thread, visibleBox, reinterpret_cast<LPARAM>(&box));
        return box != nullptr;
    };
    while (WaitFor([&] { return done || (thread && findBox()); }) && !done) {
        outcome.box += MessageBoxText(box);
        Click(FindControlByText(box, L"OK"));
        WaitFor([&] { return !IsWindow(box); });
        box = nullptr;
    }
    worker.join();
    return outcome;
}

TEST(ShortcutFile, EmptyTextsGiveFalseSilentlyAndEveryFieldGivenReachesTheFile) {
    ProgramFolder folder(L"shortcut file", L"Dek.exe");
    const std::wstring temporary = platform::TempFolder() + L"LinkTmp.lnk";
    DeleteFileW(temporary.c_str());
    ShortcutRequest full;
    full.linkPath = folder / L"full.lnk";
    full.target = folder.Exe();
    full.workingFolder = folder / L"作業";
    full.arguments = L"-s \"two words\"";
    full.iconFile = folder.Exe();
    full.iconIndex = 3;
    full.showCommand = SW_SHOWMINNOACTIVE;
    full.hotKey = MAKEWORD('D', HOTKEYF_CONTROL | HOTKEYF_ALT);

    for (std::wstring ShortcutRequest::*emptied : {&ShortcutRequest::target, &ShortcutRequest::linkPath}) {
        ShortcutRequest request = full;
        (request.*emptied).clear();
        const Outcome outcome = MakeShortcutWatched(request);
        EXPECT_FALSE(outcome.result);
        EXPECT_EQ(outcome.box, L"");
    }
    EXPECT_FALSE(Exists(full.linkPath));
    EXPECT_FALSE(Exists(temporary));

    ASSERT_TRUE(platform::CreateFolder(full.workingFolder));
    const Outcome outcome = MakeShortcutWatched(full);
    EXPECT_TRUE(outcome.result);
    EXPECT_EQ(outcome.box, L"");
    ExpectLink(full.linkPath, {full.target, full.workingFolder, full.arguments, full.iconFile, 3, SW_SHOWMINNOACTIVE,
                               static_cast<WORD>(full.hotKey)});
    EXPECT_FALSE(Exists(temporary));
}

}  // namespace
