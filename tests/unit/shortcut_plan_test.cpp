// What DekSet decides before it touches the shell: the destination, the link's path, the error text.
#include "shortcut_maker/shortcut_plan.h"

#include <gtest/gtest.h>

using namespace dekset;

TEST(ShortcutPlan, OnlyExactEntriesNameSpecialFolders) {
    EXPECT_EQ(DestinationOf(L"スタートアップ").specialFolder, kCsidlStartup);
    EXPECT_EQ(DestinationOf(L"デスクトップ").specialFolder, kCsidlDesktop);
    // The fuzzer proves any other text no special folder, the folder it or it less one "\", the link ".LNK" in it.
    for (const auto& [text, folder] : {std::pair{L"デスクトップ\\", L"デスクトップ\\"}, {L"C:\\L\\\\", L"C:\\L\\\\"}}) {
        const std::wstring linkPath = PlanShortcut(L"C:\\Dek", DestinationOf(text).folder, StartMode::Normal).linkPath;
        EXPECT_EQ(linkPath, folder + std::wstring(L"Dek通常起動.LNK")) << text;
    }
    EXPECT_EQ(ErrorBoxText(L"Unspecified error", static_cast<int32_t>(0x80004005u)), L"Unspecified error\r-2147467259");
}
