#include "platform/registry.h"

#include <gtest/gtest.h>

#include "tests/support/program_folder.h"

using platform::ReadRegString;

// The settings dialog's tests show the changer's settings stored and read as texts; here what a
// text may be, and a value of another type, which reads as missing.
TEST(Registry, TextsRoundTripAndOtherTypesReadAsMissing) {
    constexpr wchar_t kRoot[] = L"Software\\DekTests", kKey[] = L"Software\\DekTests\\Scratch";
    dektest::RemoveRegistryKey(HKEY_CURRENT_USER, kRoot);
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"name"), std::nullopt);
    for (const std::wstring& text : {std::wstring(L"壁紙 フォルダ"), std::wstring(), std::wstring(5000, L'x')}) {
        ASSERT_EQ(platform::SetRegString(HKEY_CURRENT_USER, kKey, L"name", text), ERROR_SUCCESS);
        EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"name"), text);
    }
    const DWORD number = 7;
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"number", REG_DWORD, &number, sizeof number), ERROR_SUCCESS);
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"number"), std::nullopt);
    dektest::RemoveRegistryKey(HKEY_CURRENT_USER, kRoot);
}
