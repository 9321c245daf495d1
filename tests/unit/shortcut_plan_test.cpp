#include "shortcut_maker/shortcut_plan.h"

#include <gtest/gtest.h>

namespace dekset {
namespace {

TEST(ShortcutDestination, OnlyTheExactEntryTextsNameTheSpecialFolders) {
    EXPECT_EQ(DestinationOf(L"スタートアップ").specialFolder, kCsidlStartup);
    EXPECT_EQ(DestinationOf(L"デスクトップ").specialFolder, kCsidlDesktop);
    EXPECT_EQ(kCsidlStartup, 7);
    EXPECT_EQ(kCsidlDesktop, 0);
    // Anything else is a folder path, taken as it stands.
    for (const wchar_t* text : {L" スタートアップ", L"スタートアップ ", L"デスクトップ\\", L"ﾃﾞｽｸﾄｯﾌﾟ", L"desktop", L"Startup"}) {
        const Destination d = DestinationOf(text);
        EXPECT_FALSE(d.specialFolder.has_value()) << text;
    }
    EXPECT_EQ(DestinationOf(L" スタートアップ").folder, L" スタートアップ");
    EXPECT_EQ(DestinationOf(L"デスクトップ\\").folder, L"デスクトップ");
}

TEST(ShortcutDestination, OneTrailingBackslashIsDroppedAndOnlyOne) {
    EXPECT_EQ(DestinationOf(L"C:\\Links").folder, L"C:\\Links");
    EXPECT_EQ(DestinationOf(L"C:\\Links\\").folder, L"C:\\Links");
    EXPECT_EQ(DestinationOf(L"C:\\Links\\\\").folder, L"C:\\Links\\");
    EXPECT_EQ(DestinationOf(L"C:\\").folder, L"C:");
    EXPECT_EQ(DestinationOf(L"\\").folder, L"");
    EXPECT_EQ(DestinationOf(L"").folder, L"");
    EXPECT_FALSE(DestinationOf(L"").specialFolder.has_value());
    // A slash is no separator to this rule, and a separator inside the text stays.
    EXPECT_EQ(DestinationOf(L"C:\\Links/").folder, L"C:\\Links/");
    EXPECT_EQ(DestinationOf(L"\\\\server\\share\\").folder, L"\\\\server\\share");
    EXPECT_EQ(DestinationOf(L"D:\\ショートカット\\한글 폴더\\").folder, L"D:\\ショートカット\\한글 폴더");
}

TEST(ShortcutPlan, EachStartModeHasItsNameAndArguments) {
    struct Case {
        StartMode mode;
        const wchar_t* caption;
        const wchar_t* linkPath;
        const wchar_t* arguments;
    };
    const Case cases[] = {
        {StartMode::Normal, L"通常起動", L"C:\\Links\\Dek通常起動.LNK", L""},
        {StartMode::Hidden, L"最小化状態で起動(-s)", L"C:\\Links\\Dek最小化状態で起動.LNK", L"-s"},
        {StartMode::RandomOnly, L"ランダム変更のみ(-e)", L"C:\\Links\\Dekランダム変更のみ.LNK", L"-e"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(InfoOf(c.mode).caption, c.caption);
        const ShortcutRequest r = PlanShortcut(L"C:\\Program Files\\デコ", L"C:\\Links", c.mode);
        EXPECT_EQ(r.linkPath, c.linkPath);
        EXPECT_EQ(r.arguments, c.arguments);
        EXPECT_EQ(r.target, L"C:\\Program Files\\デコ\\Dek.exe");
        EXPECT_EQ(r.workingFolder, L"C:\\Program Files\\デコ");
        EXPECT_EQ(r.iconFile, L"C:\\Program Files\\デコ\\Dek.exe");
        EXPECT_EQ(r.iconIndex, 0);
        EXPECT_EQ(r.showCommand, 0);
        EXPECT_EQ(r.hotKey, 0);
    }
}

TEST(ShortcutPlan, TheLinkPathAlwaysAddsOneSeparator) {
    // Through the destination rule, as the window does it.
    auto linkPath = [](const wchar_t* typed) {
        return PlanShortcut(L"C:\\Dek", DestinationOf(typed).folder, StartMode::Normal).linkPath;
    };
    EXPECT_EQ(linkPath(L"C:\\Links\\"), L"C:\\Links\\Dek通常起動.LNK");
    EXPECT_EQ(linkPath(L"C:\\"), L"C:\\Dek通常起動.LNK");
    EXPECT_EQ(linkPath(L"C:\\Links\\\\"), L"C:\\Links\\\\Dek通常起動.LNK");
    // An emptied field: the root of the current drive.
    EXPECT_EQ(linkPath(L""), L"\\Dek通常起動.LNK");
    // A maker at a drive root has the folder "C:".
    EXPECT_EQ(PlanShortcut(L"C:", L"C:\\Links", StartMode::Hidden).target, L"C:\\Dek.exe");
}

TEST(ShortcutErrorBox, DescriptionCarriageReturnAndTheNumberInDecimal) {
    EXPECT_EQ(ErrorBoxText(L"指定されたパスが見つかりません。", 3), L"指定されたパスが見つかりません。\r3");
    // HRESULTs are shown as the signed numbers they are.
    EXPECT_EQ(ErrorBoxText(L"Unspecified error", static_cast<int32_t>(0x80004005u)), L"Unspecified error\r-2147467259");
    EXPECT_EQ(ErrorBoxText(L"", 0), L"\r0");
}

}  // namespace
}  // namespace dekset
