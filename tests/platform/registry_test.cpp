#include "platform/registry.h"

#include <gtest/gtest.h>

#include "changer/core/settings_registry.h"

using platform::ReadRegString;

TEST(Registry, TextsRoundTripOtherValuesReadAsMissingTreesGoWholeAndTheChangersSettingsAreTexts) {
    constexpr wchar_t kRoot[] = L"Software\\DekTests", kKey[] = L"Software\\DekTests\\Scratch";
    platform::DeleteRegTree(HKEY_CURRENT_USER, kRoot);
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"name"), std::nullopt);
    for (const std::wstring& text : {std::wstring(L"壁紙 フォルダ"), std::wstring(), std::wstring(5000, L'x')}) {
        ASSERT_TRUE(platform::SetRegString(HKEY_CURRENT_USER, kKey, L"name", text));
        EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"name"), text);
    }
    const DWORD number = 7;
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"number", REG_DWORD, &number, sizeof number), ERROR_SUCCESS);
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"number"), std::nullopt);
    EXPECT_TRUE(platform::DeleteRegValue(HKEY_CURRENT_USER, kKey, L"name"));
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"name"), std::nullopt);
    EXPECT_TRUE(platform::DeleteRegTree(HKEY_CURRENT_USER, kRoot));
    EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, kRoot), ERROR_FILE_NOT_FOUND);  // the key went too
    EXPECT_TRUE(platform::DeleteRegTree(HKEY_CURRENT_USER, kRoot));  // already gone

    // The changer's settings are texts under the key of the program settings store.
    const std::wstring dek = L"Software\\VB and VBA Program Settings\\DEK", key = dek + L"\\setting";
    platform::DeleteRegTree(HKEY_CURRENT_USER, dek);
    dek::RegistrySettingsStore store;
    EXPECT_EQ(store.Read(L"wavdir"), std::nullopt);
    dek::SaveSettings(store, dek::Settings{.SoundFile = L"C:\\音\\ding.wav"});
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, key, L"wavdir"), L"C:\\音\\ding.wav");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, key, L"changeinterval"), L"60");
    platform::SetRegString(HKEY_CURRENT_USER, key, L"changeinterval", L"ten");
    EXPECT_EQ(store.Read(L"changeinterval"), L"ten");
    platform::DeleteRegTree(HKEY_CURRENT_USER, dek);
}
