// How the changer is started, what it keeps, and when and how it changes.
#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

#include "changer/core/run_mode.h"
#include "changer/core/settings.h"
#include "changer/desktop/change_rules.h"
#include "changer/dialogs/version_text.h"

namespace dek {
namespace {

TEST(RunMode, TheArgumentsAfterTheProgramNameAndTheirFirstTwoCharactersUpperCased) {
    for (const auto& [commandLine, arguments] :
         {std::pair{L"Dek.exe", L""}, {L"C:\\x\\Dek.exe   -s more", L"-s more"}, {L"\"C:\\Program Files\\Dek.exe\" -e", L"-e"},
          {L"\"C:\\Program Files\\Dek.exe\"", L""}, {L"\"C:\\a b\\Dek.exe\"-s", L"-s"}, {L"\"unterminated -e", L""}}) {
        EXPECT_EQ(ArgumentsOf(commandLine), arguments) << commandLine;
    }
    const std::tuple<const wchar_t*, const wchar_t*, RunMode> modes[] = {
        {L"", L"", RunMode::Normal},         {L"   ", L"", RunMode::Normal},   {L"-e", L"-E", RunMode::OneShot},
        {L"  -E", L"-E", RunMode::OneShot},  {L"\t-eX", L"-E", RunMode::OneShot}, {L"-s", L"-S", RunMode::Hidden},
        {L"x", L"X", RunMode::Hidden},       {L"e-", L"E-", RunMode::Hidden},  {L"- e", L"- ", RunMode::Hidden}};
    for (const auto& [arguments, text, mode] : modes) {
        EXPECT_EQ(RunModeText(arguments), text) << arguments;
        EXPECT_EQ(ParseRunMode(arguments), mode) << arguments;
    }
}

class MapStore : public SettingsStore {
public:
    std::optional<std::wstring> Read(std::wstring_view key) const override {
        const auto found = values.find(std::wstring(key));
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    void Write(std::wstring_view key, std::wstring_view text) override {
        values[std::wstring(key)] = text;
        order += std::wstring(key) + L" ";
    }
    std::map<std::wstring, std::wstring> values;
    std::wstring order;
};

std::wstring Text(const Settings& s) {
    return std::to_wstring(s.ChangeAtStartup) + L"|" + std::to_wstring(s.ChangeOnInterval) + L"|" +
           std::to_wstring(s.PlaySound) + L"|" + std::to_wstring(s.ChangeInterval) + L"|" + s.SoundFile + L"|" +
           s.WallDefaultDir + L"|" + s.SaverDefaultDir + (s.TimerEnabled() ? L"|timer" : L"");
}

TEST(Settings, SixteenBitWholeNumbersOrTheDefaultPerKeyFoldersDefaultingToTheProgramFolder) {
    const std::pair<const wchar_t*, std::optional<int16_t>> numbers[] = {
        {L"0", 0},         {L"-5", -5},       {L" 12 ", 12},  {L"+7", 7},   {L"32767", 32767}, {L"-32768", -32768},
        {L"32768", {}},    {L"-32769", {}},   {L"99999999999999999999", {}}, {L"", {}},        {L"-", {}},
        {L"abc", {}},      {L"2.5", {}},      {L"1 2", {}},   {L"1e1", {}}};
    for (const auto& [text, number] : numbers) EXPECT_EQ(ParseSettingNumber(text), number) << text;

    MapStore store;
    EXPECT_EQ(Text(LoadSettings(store, L"C:\\Dek")), L"0|1|0|60||C:\\Dek|C:\\Dek|timer");
    store.values = {{L"opt1value", L"1"},      {L"opt2value", L"banana"}, {L"opt3value", L"70000"},
                    {L"changeinterval", L"0"}, {L"wavdir", L"C:\\a.wav"}, {L"defdir", L"D:\\pics"}};
    EXPECT_EQ(Text(LoadSettings(store, L"C:\\Dek")), L"1|1|0|0|C:\\a.wav|D:\\pics|C:\\Dek");
    // The timer runs for switch 1 (only) and any interval but 0.
    store.values[L"opt2value"] = L"2";
    store.values[L"changeinterval"] = L"-5";
    EXPECT_EQ(Text(LoadSettings(store, L"C:\\Dek")), L"1|2|0|-5|C:\\a.wav|D:\\pics|C:\\Dek");
    store.values[L"opt2value"] = L"1";
    EXPECT_EQ(Text(LoadSettings(store, L"C:\\Dek")), L"1|1|0|-5|C:\\a.wav|D:\\pics|C:\\Dek|timer");

    // All seven are written, in this order; the folders come back as stored, wherever the program is.
    const Settings s{1, 0, 1, -12, L"", L"C:\\壁紙", L"C:\\saver"};
    MapStore saved;
    SaveSettings(saved, s);
    EXPECT_EQ(saved.order, L"opt1value opt2value opt3value changeinterval wavdir defdir defdir2 ");
    EXPECT_EQ(saved.values[L"changeinterval"], L"-12");
    EXPECT_EQ(Text(LoadSettings(saved, L"X:\\elsewhere")), Text(s));
}

TEST(ChangeRules, TheMinuteCountComesDueAtTheIntervalOrAboveNeverBelowOneAndDoesNotWrap) {
    // count before, the interval at each tick, which ticks come due (the caller then resets the count)
    const std::tuple<int16_t, std::vector<int16_t>, std::string> runs[] = {
        {0, {3, 3, 3, 3, 3, 3, 3}, "--D--D-"},
        {10, {60, 5}, "-D"},  // an interval lowered below the count comes due at the next tick
        {32766, {0, -5, -5, 32767}, "---D"}};
    for (const auto& [start, intervals, expected] : runs) {
        int16_t count = start;
        std::string due;
        for (int16_t interval : intervals) {
            const bool now = CountMinute(count, interval);
            due += now ? 'D' : '-';
            if (now) count = 0;
        }
        EXPECT_EQ(due, expected) << start;
    }
}

TEST(ChangeRules, OnlyARiffWaveFileIsPlayedAsItIsAndTheVersionRunsMinorAndRevisionTogether) {
    using namespace std::string_view_literals;
    EXPECT_TRUE(IsWaveHeader("RIFF\x24\0\0\0WAVEfmt "sv));
    for (std::string_view head : {"RIFF\x24\0\0\0AVI LIST"sv, "BM6\0\0"sv, "RIFF"sv, ""sv}) {
        EXPECT_FALSE(IsWaveHeader(head)) << head;
    }
    EXPECT_EQ(VersionMessageText(kDekVersion), L"Dekorin Ver.1.44");
    EXPECT_EQ(VersionMessageText({1, 0, 12}), L"Dekorin Ver.1.012");
}

}  // namespace
}  // namespace dek
