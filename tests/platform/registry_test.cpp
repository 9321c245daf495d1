#include "platform/registry.h"

#include <gtest/gtest.h>

#include "changer/core/settings_registry.h"

namespace {

using platform::ReadRegString;
using platform::SetRegString;

TEST(Registry, TextsRoundTripThroughCreatedKeysOtherValuesReadAsMissingAndTreesGoWhole) {
    constexpr wchar_t kRoot[] = L"Software\\DekTests", kKey[] = L"Software\\DekTests\\Scratch";
    platform::DeleteRegTree(HKEY_CURRENT_USER, kRoot);
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"name"), std::nullopt);
    for (const std::wstring text : {L"壁紙 フォルダ", L"", std::wstring(5000, L'x').c_str()}) {
        ASSERT_TRUE(SetRegString(HKEY_CURRENT_USER, kKey, L"name", text));
        EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"name"), text);
    }
    const DWORD number = 7;
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"number", REG_DWORD, &number, sizeof number), ERROR_SUCCESS);
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"number"), std::nullopt);
    EXPECT_TRUE(platform::DeleteRegValue(HKEY_CURRENT_USER, kKey, L"name"));
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"name"), std::nullopt);
    EXPECT_TRUE(platform::DeleteRegTree(HKEY_CURRENT_USER, kRoot));
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"number"), std::nullopt);  // gone with its key
    EXPECT_TRUE(platform::DeleteRegTree(HKEY_CURRENT_USER, kRoot));               // already gone
}

TEST(Registry, TheChangersSettingsAreTextsUnderTheProgramSettingsKey) {
    constexpr wchar_t kDek[] = L"Software\\VB and VBA Program Settings\\DEK", kKey[] = L"Software\\VB and VBA Program Settings\\DEK\\setting";
    platform::DeleteRegTree(HKEY_CURRENT_USER, kDek);
    dek::RegistrySettingsStore store;
    dek::Settings s = dek::LoadSettings(store, L"C:\\Dek");
    EXPECT_EQ(s.WallDefaultDir, L"C:\\Dek");
    s.ChangeInterval = 15;
    s.SoundFile = L"C:\\音\\ding.wav";
    dek::SaveSettings(store, s);
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"changeinterval"), L"15");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"wavdir"), L"C:\\音\\ding.wav");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kKey, L"defdir"), L"C:\\Dek");
    // A hand-edited number falls back to its default; the texts stay as stored.
    SetRegString(HKEY_CURRENT_USER, kKey, L"changeinterval", L"ten");
    const dek::Settings back = dek::LoadSettings(store, L"C:\\Elsewhere");
    EXPECT_EQ(back.ChangeInterval, 60);
    EXPECT_EQ(back.SoundFile, L"C:\\音\\ding.wav");
    EXPECT_EQ(back.SaverDefaultDir, L"C:\\Dek");
    platform::DeleteRegTree(HKEY_CURRENT_USER, kDek);
}

}  // namespace
