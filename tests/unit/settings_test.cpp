#include "changer/core/settings.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace dek {
namespace {

class MapStore : public SettingsStore {
public:
    std::optional<std::wstring> Read(std::wstring_view key) const override {
        auto it = values.find(std::wstring(key));
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    void Write(std::wstring_view key, std::wstring_view text) override {
        values[std::wstring(key)] = std::wstring(text);
        order.emplace_back(key);
    }
    std::map<std::wstring, std::wstring> values;
    std::vector<std::wstring> order;
};

TEST(SettingsNumber, WholeNumbersInSixteenBitsOnly) {
    EXPECT_EQ(ParseSettingNumber(L"0"), 0);
    EXPECT_EQ(ParseSettingNumber(L"60"), 60);
    EXPECT_EQ(ParseSettingNumber(L"-5"), -5);
    EXPECT_EQ(ParseSettingNumber(L" 12 "), 12);
    EXPECT_EQ(ParseSettingNumber(L"+7"), 7);
    EXPECT_EQ(ParseSettingNumber(L"32767"), 32767);
    EXPECT_EQ(ParseSettingNumber(L"-32768"), -32768);
    EXPECT_EQ(ParseSettingNumber(L"32768"), std::nullopt);
    EXPECT_EQ(ParseSettingNumber(L"-32769"), std::nullopt);
    EXPECT_EQ(ParseSettingNumber(L"99999999999999999999"), std::nullopt);
    EXPECT_EQ(ParseSettingNumber(L""), std::nullopt);
    EXPECT_EQ(ParseSettingNumber(L"-"), std::nullopt);
    EXPECT_EQ(ParseSettingNumber(L"abc"), std::nullopt);
    EXPECT_EQ(ParseSettingNumber(L"2.5"), std::nullopt);
    EXPECT_EQ(ParseSettingNumber(L"1 2"), std::nullopt);
    EXPECT_EQ(ParseSettingNumber(L"1e1"), std::nullopt);
}

TEST(Settings, EmptyStoreGivesTheDefaultsWithTheProgramFolder) {
    const Settings s = LoadSettings(MapStore(), L"C:\\Apps\\Dek");
    EXPECT_EQ(s.ChangeAtStartup, 0);
    EXPECT_EQ(s.ChangeOnInterval, 1);
    EXPECT_EQ(s.PlaySound, 0);
    EXPECT_EQ(s.ChangeInterval, 60);
    EXPECT_EQ(s.SoundFile, L"");
    EXPECT_EQ(s.WallDefaultDir, L"C:\\Apps\\Dek");
    EXPECT_EQ(s.SaverDefaultDir, L"C:\\Apps\\Dek");
    EXPECT_TRUE(s.TimerEnabled());
}

TEST(Settings, StoredValuesWinAndBrokenNumbersFallBackPerKey) {
    MapStore store;
    store.values = {{L"opt1value", L"1"},      {L"opt2value", L"banana"}, {L"opt3value", L"70000"},
                    {L"changeinterval", L"5"}, {L"wavdir", L"C:\\a.wav"}, {L"defdir", L"D:\\pics"}};
    const Settings s = LoadSettings(store, L"C:\\Dek");
    EXPECT_EQ(s.ChangeAtStartup, 1);
    EXPECT_EQ(s.ChangeOnInterval, 1);  // default, not a crash
    EXPECT_EQ(s.PlaySound, 0);         // default
    EXPECT_EQ(s.ChangeInterval, 5);
    EXPECT_EQ(s.SoundFile, L"C:\\a.wav");
    EXPECT_EQ(s.WallDefaultDir, L"D:\\pics");
    EXPECT_EQ(s.SaverDefaultDir, L"C:\\Dek");  // missing: follows the program folder
}

TEST(Settings, TimerRunsOnlyForSwitchOneAndANonZeroInterval) {
    Settings s;
    s.ChangeOnInterval = 2;  // only 1 means on
    EXPECT_FALSE(s.TimerEnabled());
    s.ChangeOnInterval = 1;
    s.ChangeInterval = 0;
    EXPECT_FALSE(s.TimerEnabled());
    s.ChangeInterval = -5;
    EXPECT_TRUE(s.TimerEnabled());
}

TEST(Settings, SaveWritesAllSevenInOrderAndLoadReadsThemBack) {
    Settings s;
    s.ChangeAtStartup = 1;
    s.ChangeOnInterval = 0;
    s.PlaySound = 1;
    s.ChangeInterval = -12;
    s.SoundFile = L"";
    s.WallDefaultDir = L"C:\\壁紙";
    s.SaverDefaultDir = L"C:\\saver";
    MapStore store;
    SaveSettings(store, s);
    EXPECT_EQ(store.order, (std::vector<std::wstring>{L"opt1value", L"opt2value", L"opt3value", L"changeinterval",
                                                      L"wavdir", L"defdir", L"defdir2"}));
    EXPECT_EQ(store.values[L"changeinterval"], L"-12");
    EXPECT_EQ(store.values[L"opt1value"], L"1");
    EXPECT_EQ(store.values[L"wavdir"], L"");
    const Settings back = LoadSettings(store, L"X:\\elsewhere");
    EXPECT_EQ(back.ChangeInterval, -12);
    EXPECT_EQ(back.ChangeOnInterval, 0);
    EXPECT_EQ(back.PlaySound, 1);
    EXPECT_EQ(back.SoundFile, L"");
    EXPECT_EQ(back.WallDefaultDir, L"C:\\壁紙");
}

}  // namespace
}  // namespace dek
