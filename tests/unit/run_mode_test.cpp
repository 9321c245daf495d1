#include "changer/core/run_mode.h"

#include <gtest/gtest.h>

namespace dek {
namespace {

TEST(RunMode, OnlyTheFirstTwoCharactersAfterBlanksCountUpperCased) {
    EXPECT_EQ(RunModeText(L""), L"");
    EXPECT_EQ(RunModeText(L"   "), L"");
    EXPECT_EQ(RunModeText(L"-e"), L"-E");
    EXPECT_EQ(RunModeText(L"  -E"), L"-E");
    EXPECT_EQ(RunModeText(L"\t-eX"), L"-E");
    EXPECT_EQ(RunModeText(L"-s"), L"-S");
    EXPECT_EQ(RunModeText(L"x"), L"X");
}

TEST(RunMode, EOptionIsOneShotAnyOtherArgumentStartsHidden) {
    EXPECT_EQ(ParseRunMode(L""), RunMode::Normal);
    EXPECT_EQ(ParseRunMode(L"  "), RunMode::Normal);
    EXPECT_EQ(ParseRunMode(L"-e"), RunMode::OneShot);
    EXPECT_EQ(ParseRunMode(L"  -E"), RunMode::OneShot);
    EXPECT_EQ(ParseRunMode(L"-eX"), RunMode::OneShot);
    EXPECT_EQ(ParseRunMode(L"-s"), RunMode::Hidden);
    EXPECT_EQ(ParseRunMode(L"x"), RunMode::Hidden);
    EXPECT_EQ(ParseRunMode(L"e-"), RunMode::Hidden);
    EXPECT_EQ(ParseRunMode(L"- e"), RunMode::Hidden);
}

TEST(RunMode, ArgumentsFollowTheProgramNameQuotedOrNot) {
    EXPECT_EQ(ArgumentsOf(L"Dek.exe"), L"");
    EXPECT_EQ(ArgumentsOf(L"Dek.exe -e"), L"-e");
    EXPECT_EQ(ArgumentsOf(L"C:\\x\\Dek.exe   -s more"), L"-s more");
    EXPECT_EQ(ArgumentsOf(L"\"C:\\Program Files\\Dek\\Dek.exe\" -e"), L"-e");
    EXPECT_EQ(ArgumentsOf(L"\"C:\\Program Files\\Dek\\Dek.exe\""), L"");
    EXPECT_EQ(ArgumentsOf(L"\"C:\\a b\\Dek.exe\"-s"), L"-s");
    EXPECT_EQ(ArgumentsOf(L"\"unterminated -e"), L"");
}

}  // namespace
}  // namespace dek
