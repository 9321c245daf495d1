// What DekSet decides before it touches the shell: the destination, the link's path, the error text.
#include "shortcut_maker/shortcut_plan.h"

#include <gtest/gtest.h>

using namespace dekset;

TEST(ShortcutPlan, OnlyTheExactEntriesNameSpecialFoldersOtherTextsLoseOneTrailingSeparatorAndErrorsShowTheirNumber) {
    EXPECT_EQ(DestinationOf(L"スタートアップ").specialFolder, kCsidlStartup);
    EXPECT_EQ(DestinationOf(L"デスクトップ").specialFolder, kCsidlDesktop);
    // Typed text and the folder of the link; a "\" always joins folder and name.
    for (const auto& [text, folder] :
         {std::pair{L" スタートアップ", L" スタートアップ\\"}, {L"デスクトップ\\", L"デスクトップ\\"}, {L"ﾃﾞｽｸﾄｯﾌﾟ", L"ﾃﾞｽｸﾄｯﾌﾟ\\"},
          {L"C:\\Links\\", L"C:\\Links\\"}, {L"C:\\Links\\\\", L"C:\\Links\\\\"}, {L"C:\\Links/", L"C:\\Links/\\"},
          {L"C:\\", L"C:\\"}, {L"", L"\\"}}) {
        const Destination destination = DestinationOf(text);
        EXPECT_FALSE(destination.specialFolder.has_value()) << text;
        const std::wstring linkPath = PlanShortcut(L"C:\\Dek", destination.folder, StartMode::Normal).linkPath;
        EXPECT_EQ(linkPath, folder + std::wstring(L"Dek通常起動.LNK"));
    }
    EXPECT_EQ(ErrorBoxText(L"指定されたパスが見つかりません。", 3), L"指定されたパスが見つかりません。\r3");
    EXPECT_EQ(ErrorBoxText(L"Unspecified error", static_cast<int32_t>(0x80004005u)), L"Unspecified error\r-2147467259");
}
