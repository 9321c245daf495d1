// How the changer is started, what it keeps, what its settings dialog takes, and when it changes.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <tuple>
#include <vector>

#include "changer/core/run_mode.h"
#include "changer/core/settings.h"
#include "changer/desktop/change_rules.h"
#include "changer/dialogs/numeric_text.h"
#include "changer/dialogs/version_text.h"

using namespace dek;

TEST(RunMode, TheArgumentsAfterTheProgramNameAndTheirFirstTwoCharactersUpperCased) {
    for (const auto& [commandLine, arguments] :
         {std::pair{L"Dek.exe", L""}, {L"C:\\x\\Dek.exe   -s more", L"-s more"}, {L"\"C:\\a b\\Dek.exe\" -e", L"-e"},
          {L"\"C:\\a b\\Dek.exe\"", L""}, {L"\"C:\\a b\\Dek.exe\"-s", L"-s"}, {L"\"unterminated -e", L""}}) {
        EXPECT_EQ(ArgumentsOf(commandLine), arguments) << commandLine;
    }
    const std::tuple<const wchar_t*, const wchar_t*, RunMode> modes[] = {
        {L"", L"", RunMode::Normal}, {L"   ", L"", RunMode::Normal}, {L"-e", L"-E", RunMode::OneShot},
        {L"  -E", L"-E", RunMode::OneShot}, {L"\t-eX", L"-E", RunMode::OneShot}, {L"-s", L"-S", RunMode::Hidden},
        {L"x", L"X", RunMode::Hidden}, {L"e-", L"E-", RunMode::Hidden}, {L"- e", L"- ", RunMode::Hidden}};
    for (const auto& [arguments, text, mode] : modes) {
        EXPECT_EQ(RunModeText(arguments), text) << arguments;
        EXPECT_EQ(ParseRunMode(arguments), mode) << arguments;
    }
}

namespace {

struct MapStore : SettingsStore {
    std::optional<std::wstring> Read(std::wstring_view key) const override {
        return values.count(std::wstring(key)) ? std::optional(values.at(std::wstring(key))) : std::nullopt;
    }
    void Write(std::wstring_view key, std::wstring_view text) override { values[std::wstring(key)] = text; }
    std::map<std::wstring, std::wstring> values;
};

std::wstring Text(const Settings& s) {
    return std::to_wstring(s.ChangeAtStartup) + L"|" + std::to_wstring(s.ChangeOnInterval) + L"|" +
           std::to_wstring(s.PlaySound) + L"|" + std::to_wstring(s.ChangeInterval) + L"|" + s.SoundFile + L"|" +
           s.WallDefaultDir + L"|" + s.SaverDefaultDir;
}

}  // namespace

TEST(Settings, SixteenBitWholeNumbersOrTheDefaultPerKeyFoldersDefaultingToTheProgramFolder) {
    const std::pair<const wchar_t*, std::optional<int16_t>> numbers[] = {
        {L"0", 0}, {L"-5", -5}, {L" 12 ", 12}, {L"+7", 7}, {L"32767", 32767}, {L"-32768", -32768}, {L"32768", {}},
        {L"-32769", {}}, {L"99999999999999999999", {}}, {L"", {}}, {L"-", {}}, {L"abc", {}}, {L"2.5", {}},
        {L"1 2", {}}, {L"1e1", {}}};
    for (const auto& [text, number] : numbers) EXPECT_EQ(ParseSettingNumber(text), number) << text;
    MapStore store;
    EXPECT_EQ(Text(LoadSettings(store, L"C:\\Dek")), L"0|1|0|60||C:\\Dek|C:\\Dek");
    store.values = {{L"opt1value", L"1"},      {L"opt2value", L"banana"}, {L"opt3value", L"70000"},
                    {L"changeinterval", L"5"}, {L"wavdir", L"C:\\a.wav"}, {L"defdir", L"D:\\pics"}};
    EXPECT_EQ(Text(LoadSettings(store, L"C:\\Dek")), L"1|1|0|5|C:\\a.wav|D:\\pics|C:\\Dek");
    // All seven are written as texts, an empty one too, and read back wherever the program is.
    const Settings s{1, 0, 1, -12, L"", L"C:\\壁紙", L"C:\\saver"};
    MapStore saved;
    SaveSettings(saved, s);
    EXPECT_EQ(saved.values.size(), 7u);
    EXPECT_EQ(saved.values[L"changeinterval"], L"-12");
    EXPECT_EQ(Text(LoadSettings(saved, L"X:\\elsewhere")), Text(s));
    // The timer runs for switch 1 only, and for any interval but 0.
    for (const auto& [onInterval, interval, timer] :
         {std::tuple<int16_t, int16_t, bool>{1, 60, true}, {2, 60, false}, {1, 0, false}, {1, -5, true}}) {
        EXPECT_EQ((Settings{0, onInterval, 0, interval}.TimerEnabled()), timer) << onInterval << " " << interval;
    }
}

TEST(NumericText, WhatReadsAsANumberWholeAndAsALeadingValue) {
    const wchar_t* numeric[] = {L"0", L" 12", L"\t12\t", L"+3", L"-5", L".5", L"5.", L"-.5", L"1E1", L"1e+1",
                                L"2.5e-1", L"  -0  ", L"123456789012345678901234567890", L"1e999"};
    for (const wchar_t* text : numeric) EXPECT_TRUE(IsNumericText(text)) << text;
    const wchar_t* other[] = {L"", L" ", L"abc", L"1e", L"1e+", L"e5", L".", L"-", L"-.", L"1,5", L"- 5", L"+-3",
                              L"&H10", L"0x10", L"1 2", L"12abc", L"1.2.3", L"1e1.5", L"１２", L"1d2", L"inf", L"nan",
                              L"\u00a012"};
    for (const wchar_t* text : other) EXPECT_FALSE(IsNumericText(text)) << text;
    const std::pair<const wchar_t*, double> leading[] = {
        {L" 12", 12}, {L"-5", -5}, {L".5", 0.5}, {L"5.", 5}, {L"2.5E-1", 0.25}, {L"1e", 1}, {L"1e+", 1}, {L"12abc", 12},
        {L"1,5", 1}, {L"3.5.1", 3.5}, {L"", 0}, {L"abc", 0}, {L".", 0}, {L"- 5", 0}, {L"1e-999", 0},
        {L"1e999", INFINITY}};  // beyond double: never a wrapped or garbage value
    for (const auto& [text, value] : leading) EXPECT_EQ(LeadingValue(text), value) << text;
}

TEST(NumericText, HalvesToEvenThenSixteenBitsTheIntervalFrom0AndTheWaitTimeFrom1To60Minutes) {
    const std::pair<double, double> halves[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {60.5, 60}, {-0.5, 0}, {-1.5, -2},
                                                {-2.5, -2}, {-2.6, -3}, {0.4999, 0}, {0.5001, 1}, {32767.5, 32768}};
    for (const auto& [value, rounded] : halves) EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    using Int16 = std::optional<int16_t>;
    const std::tuple<const wchar_t*, Int16, Int16> numbers[] = {  // text, ToInt16, IntervalMinutes
        {L"2.5", 2, 2}, {L"3.5", 4, 4}, {L"1e1", 10, 10}, {L"0", 0, 0}, {L"-0.4", 0, 0}, {L"-0.6", -1, {}},
        {L"-5", -5, {}}, {L"32767.4", 32767, 32767}, {L"32767.5", {}, {}}, {L"-32768.5", -32768, {}},
        {L"-32769", {}, {}}, {L"1e5", {}, {}}, {L"1e999", {}, {}}, {L"-1e999", {}, {}}, {L"", {}, {}},
        {L"12abc", {}, {}}};
    for (const auto& [text, int16, interval] : numbers) {
        EXPECT_EQ(ToInt16(text), int16) << text;
        EXPECT_EQ(IntervalMinutes(text), interval) << text;
    }
    // A numeric text stays in its box (the rules refuse it later); any other becomes "" and "1".
    for (const auto& [text, interval, waitTime] : {std::tuple{L"abc", L"", L"1"}, {L"1e", L"", L"1"}, {L"", L"", L"1"},
                                                   {L"-5", L"-5", L"-5"}, {L" 12", L" 12", L" 12"}}) {
        EXPECT_EQ(CorrectedIntervalText(text), interval) << text;
        EXPECT_EQ(CorrectedWaitTimeText(text), waitTime) << text;
    }
    // The wait time's seconds are the leading value times 60, rounded; the box shows whole minutes.
    const std::pair<const wchar_t*, std::optional<int>> waitTimes[] = {
        {L"1", 60}, {L"1.5", 90}, {L"60.5", 3630}, {L"0.51", 31}, {L" 30 ", 1800}, {L"6e1", 3600}, {L"1.0125", 61},
        {L"1.00833", 60}, {L"0", {}}, {L"0.5", {}}, {L"60.51", {}}, {L"61", {}}, {L"-5", {}}, {L"", {}}, {L"1e", {}},
        {L"1e999", {}}};
    for (const auto& [text, seconds] : waitTimes) {
        EXPECT_EQ(WaitTimeAccepted(text), seconds.has_value()) << text;
        EXPECT_EQ(WaitTimeSeconds(text), seconds) << text;
    }
    const std::pair<int, const wchar_t*> shown[] = {{90, L"1"}, {59, L"0"}, {3659, L"60"}, {-90, L"-1"}};
    for (const auto& [seconds, text] : shown) EXPECT_EQ(WaitTimeText(seconds), text) << seconds;
}

TEST(ChangeRules, TheMinuteCountComesDueAtTheIntervalOrAboveNeverBelowOneAndDoesNotWrap) {
    // The count before, the interval at each tick, the ticks that come due (the caller then sets 0).
    const std::tuple<int16_t, std::vector<int16_t>, std::string> runs[] = {
        {0, {3, 3, 3, 3, 3, 3, 3}, "--D--D-"},
        {10, {60, 5}, "-D"},  // an interval lowered below the count comes due at the next tick
        {32766, {0, -5, -5, 32767}, "---D"}};
    for (const auto& [start, intervals, expected] : runs) {
        int16_t count = start;
        std::string due;
        for (int16_t interval : intervals) {
            due += CountMinute(count, interval) ? 'D' : '-';
            if (due.back() == 'D') count = 0;
        }
        EXPECT_EQ(due, expected) << start;
    }
}

TEST(ChangeRules, OnlyARiffWaveFileIsPlayedAsItIsAndTheVersionRunsMinorAndRevisionTogether) {
    using namespace std::string_view_literals;
    EXPECT_TRUE(IsWaveHeader("RIFF\x24\0\0\0WAVEfmt "sv));
    for (auto head : {"RIFF\x24\0\0\0AVI LIST"sv, "BM6\0\0"sv, "RIFF"sv, ""sv}) EXPECT_FALSE(IsWaveHeader(head));
    EXPECT_EQ(VersionMessageText(kDekVersion), L"Dekorin Ver.1.44");
    EXPECT_EQ(VersionMessageText({1, 0, 12}), L"Dekorin Ver.1.012");
}
