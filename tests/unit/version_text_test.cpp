#include "changer/dialogs/version_text.h"

#include <gtest/gtest.h>

namespace dek {
namespace {

TEST(VersionMessage, MinorAndRevisionRunTogetherWithoutPadding) {
    EXPECT_EQ(VersionMessageText(kDekVersion), L"Dekorin Ver.1.44");
    EXPECT_EQ(VersionMessageText({1, 0, 12}), L"Dekorin Ver.1.012");
    EXPECT_EQ(VersionMessageText({2, 10, 0}), L"Dekorin Ver.2.100");
}

}  // namespace
}  // namespace dek
