#include "platform/registry.h"

#include <gtest/gtest.h>

#include "changer/core/settings_registry.h"
#include "platform/settings_store.h"
#include "tests/support/program_folder.h"

namespace {

constexpr wchar_t kScratch[] = L"Software\\DekTests\\Scratch";

class RegistryTest : public testing::Test {
protected:
    void SetUp() override { platform::DeleteRegTree(HKEY_CURRENT_USER, L"Software\\DekTests"); }
    void TearDown() override {
        platform::DeleteRegTree(HKEY_CURRENT_USER, L"Software\\DekTests");
        dektest::ResetDekSettings();
    }
};

TEST_F(RegistryTest, TextsRoundTripThroughCreatedKeysAndVanishWithTheTree) {
    EXPECT_EQ(platform::ReadRegString(HKEY_CURRENT_USER, kScratch, L"name"), std::nullopt);
    ASSERT_TRUE(platform::SetRegString(HKEY_CURRENT_USER, kScratch, L"name", L"壁紙 フォルダ"));
    EXPECT_EQ(platform::ReadRegString(HKEY_CURRENT_USER, kScratch, L"name"), L"壁紙 フォルダ");
    ASSERT_TRUE(platform::SetRegString(HKEY_CURRENT_USER, kScratch, L"empty", L""));
    EXPECT_EQ(platform::ReadRegString(HKEY_CURRENT_USER, kScratch, L"empty"), L"");
    const std::wstring longText(5000, L'x');
    ASSERT_TRUE(platform::SetRegString(HKEY_CURRENT_USER, kScratch, L"long", longText));
    EXPECT_EQ(platform::ReadRegString(HKEY_CURRENT_USER, kScratch, L"long"), longText);

    EXPECT_TRUE(platform::DeleteRegValue(HKEY_CURRENT_USER, kScratch, L"name"));
    EXPECT_EQ(platform::ReadRegString(HKEY_CURRENT_USER, kScratch, L"name"), std::nullopt);
    EXPECT_TRUE(platform::DeleteRegTree(HKEY_CURRENT_USER, L"Software\\DekTests"));
    EXPECT_EQ(platform::ReadRegString(HKEY_CURRENT_USER, kScratch, L"empty"), std::nullopt);
    EXPECT_TRUE(platform::DeleteRegTree(HKEY_CURRENT_USER, L"Software\\DekTests"));  // already gone
}

TEST_F(RegistryTest, NonTextValuesReadAsMissing) {
    ASSERT_TRUE(platform::SetRegString(HKEY_CURRENT_USER, kScratch, L"text", L"1"));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kScratch, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    const DWORD number = 7;
    RegSetValueExW(key, L"number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(key);
    EXPECT_EQ(platform::ReadRegString(HKEY_CURRENT_USER, kScratch, L"number"), std::nullopt);
}

TEST_F(RegistryTest, ChangerSettingsLiveUnderTheProgramSettingsKeyAsText) {
    dektest::ResetDekSettings();
    dek::RegistrySettingsStore store;
    dek::Settings defaults = dek::LoadSettings(store, L"C:\\Dek");
    EXPECT_EQ(defaults.ChangeInterval, 60);
    EXPECT_EQ(defaults.WallDefaultDir, L"C:\\Dek");

    dek::Settings s;
    s.ChangeAtStartup = 1;
    s.ChangeInterval = 15;
    s.SoundFile = L"C:\\音\\ding.wav";
    s.WallDefaultDir = L"D:\\pictures";
    s.SaverDefaultDir = L"";
    dek::SaveSettings(store, s);
    EXPECT_EQ(platform::ReadRegString(HKEY_CURRENT_USER, dektest::kSettingsKey, L"opt1value"), L"1");
    EXPECT_EQ(platform::ReadRegString(HKEY_CURRENT_USER, dektest::kSettingsKey, L"opt2value"), L"1");
    EXPECT_EQ(platform::ReadRegString(HKEY_CURRENT_USER, dektest::kSettingsKey, L"opt3value"), L"0");
    EXPECT_EQ(platform::ReadRegString(HKEY_CURRENT_USER, dektest::kSettingsKey, L"changeinterval"), L"15");
    EXPECT_EQ(platform::ReadRegString(HKEY_CURRENT_USER, dektest::kSettingsKey, L"wavdir"), L"C:\\音\\ding.wav");
    EXPECT_EQ(platform::ReadRegString(HKEY_CURRENT_USER, dektest::kSettingsKey, L"defdir"), L"D:\\pictures");
    EXPECT_EQ(platform::ReadRegString(HKEY_CURRENT_USER, dektest::kSettingsKey, L"defdir2"), L"");

    // A hand-edited number falls back to its default; the texts stay as stored.
    platform::SetRegString(HKEY_CURRENT_USER, dektest::kSettingsKey, L"changeinterval", L"ten");
    const dek::Settings back = dek::LoadSettings(store, L"C:\\Elsewhere");
    EXPECT_EQ(back.ChangeInterval, 60);
    EXPECT_EQ(back.ChangeAtStartup, 1);
    EXPECT_EQ(back.SaverDefaultDir, L"");
}

}  // namespace
