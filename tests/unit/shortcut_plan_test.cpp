// What DekSet decides before it touches the shell: the destination, the link's path, the error text.
#include "shortcut_maker/shortcut_plan.h"

#include <gtest/gtest.h>

namespace dekset {
namespace {

TEST(ShortcutPlan, OnlyTheExactEntriesNameSpecialFoldersAndOtherTextsLoseOneTrailingSeparator) {
    EXPECT_EQ(DestinationOf(L"スタートアップ").specialFolder, kCsidlStartup);
    EXPECT_EQ(DestinationOf(L"デスクトップ").specialFolder, kCsidlDesktop);
    // Typed text and the link path it gives; a "\" always joins folder and name.
    const std::pair<const wchar_t*, const wchar_t*> typed[] = {
        {L" スタートアップ", L" スタートアップ\\Dek通常起動.LNK"},
        {L"デスクトップ\\", L"デスクトップ\\Dek通常起動.LNK"},
        {L"ﾃﾞｽｸﾄｯﾌﾟ", L"ﾃﾞｽｸﾄｯﾌﾟ\\Dek通常起動.LNK"},
        {L"C:\\Links\\", L"C:\\Links\\Dek通常起動.LNK"},
        {L"C:\\Links\\\\", L"C:\\Links\\\\Dek通常起動.LNK"},
        {L"C:\\Links/", L"C:\\Links/\\Dek通常起動.LNK"},
        {L"C:\\", L"C:\\Dek通常起動.LNK"},
        {L"", L"\\Dek通常起動.LNK"},
    };
    for (const auto& [text, linkPath] : typed) {
        const Destination destination = DestinationOf(text);
        EXPECT_FALSE(destination.specialFolder.has_value()) << text;
        EXPECT_EQ(PlanShortcut(L"C:\\Dek", destination.folder, StartMode::Normal).linkPath, linkPath) << text;
    }
}

TEST(ShortcutPlan, TheErrorBoxShowsTheDescriptionACarriageReturnAndTheSignedNumber) {
    EXPECT_EQ(ErrorBoxText(L"指定されたパスが見つかりません。", 3), L"指定されたパスが見つかりません。\r3");
    EXPECT_EQ(ErrorBoxText(L"Unspecified error", static_cast<int32_t>(0x80004005u)), L"Unspecified error\r-2147467259");
}

}  // namespace
}  // namespace dekset
