// How the changer is started, what it keeps, what its settings dialog takes, and when it changes.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <tuple>
#include <vector>

#include "changer/core/run_mode.h"
#include "changer/core/settings.h"
#include "changer/desktop/busy_user.h"
#include "changer/desktop/change_rules.h"
#include "changer/dialogs/numeric_text.h"
#include "changer/dialogs/version_text.h"

using namespace dek;

TEST(CommandLine, TheRunModeComesFromTheArgumentsFirstTwoCharacters) {
    for (const auto& [commandLine, arguments] :
         {std::pair{L"Dek.exe", L""}, {L"C:\\x\\Dek.exe   -s more", L"-s more"}, {L"\"C:\\a b\\Dek.exe\" -e", L"-e"},
          {L"\"C:\\a b\\Dek.exe\"", L""}, {L"\"C:\\a b\\Dek.exe\"-s", L"-s"}, {L"\"unterminated -e", L""}}) {
        EXPECT_EQ(ArgumentsOf(commandLine), arguments) << commandLine;
    }
    // The fuzzer proves Normal exactly for blank arguments, and a mode text of at most two upper-case characters.
    const std::tuple<const wchar_t*, const wchar_t*, RunMode> modes[] = {
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
           s.WallDefaultDir + L"|" + s.SaverDefaultDir + L"|" + std::to_wstring(s.WallpaperPerMonitor);
}

}  // namespace

TEST(StoredSettings, MissingOrBrokenValuesReadAsTheirDefaults) {
    // The fuzzer proves any number taken the text's value; here what is taken or refused.
    const std::pair<const wchar_t*, std::optional<int16_t>> numbers[] = {{L" 12 ", 12}, {L"+7", 7}, {L"-32768", -32768},
        {L"32768", {}}, {L"", {}}, {L"-", {}}, {L"abc", {}}, {L"1 2", {}}};
    for (const auto& [text, number] : numbers) EXPECT_EQ(ParseSettingNumber(text), number) << text;
    MapStore store;
    const Settings defaults = LoadSettings(store, L"C:\\Dek");
    EXPECT_EQ(Text(defaults), L"0|1|0|60||C:\\Dek|C:\\Dek|0");
    SaveSettings(store, defaults);  // all eight as texts, the empty one too; the fuzzer proves them read back
    EXPECT_EQ(store.values.size(), 8u);
    store.values = {{L"opt1value", L"1"},      {L"opt2value", L"banana"}, {L"opt3value", L"70000"},
                    {L"changeinterval", L"5"}, {L"wavdir", L"C:\\a.wav"}, {L"defdir", L"D:\\pics"}};
    EXPECT_EQ(Text(LoadSettings(store, L"C:\\Dek")), L"1|1|0|5|C:\\a.wav|D:\\pics|C:\\Dek|0");
    // The timer runs for switch 1 only, and for any interval but 0; the sound plays for switch 1 only.
    const Settings on{0, 1, 1, 60}, negative{0, 1, 0, -5}, two{0, 2, 2, 60}, zero{0, 1, 0, 0};
    for (const auto& [settings, timer, sound] : {std::tuple{on, true, true}, {negative, true, false}, {two, false, false}, {zero, false, false}}) {
        EXPECT_EQ(std::pair(settings.TimerEnabled(), settings.SoundEnabled()), std::pair(timer, sound)) << Text(settings);
    }
}

TEST(NumericText, ReadsTheGrammarAndItsLeadingValue) {
    const wchar_t* numeric[] = {L"0", L" 12", L"\t12\t", L"+3", L"-5", L".5", L"5.", L"-.5", L"1E1", L"1e+1",
                                L"2.5e-1", L"  -0  ", L"123456789012345678901234567890", L"1e999"};
    for (const wchar_t* text : numeric) EXPECT_TRUE(IsNumericText(text)) << text;
    const wchar_t* other[] = {L"", L" ", L"abc", L"1e", L"1e+", L"e5", L".", L"-.", L"1,5", L"- 5", L"+-3", L"&H10",
                              L"0x10", L"1 2", L"12abc", L"1.2.3", L"1e1.5", L"１２", L"1d2", L"inf", L"\u00a012"};
    for (const wchar_t* text : other) EXPECT_FALSE(IsNumericText(text)) << text;
    const std::pair<const wchar_t*, double> leading[] = {{L".5", 0.5}, {L"5.", 5}, {L"2.5E-1", 0.25}, {L"1e", 1},
        {L"1e+", 1}, {L"12abc", 12}, {L"1,5", 1}, {L"3.5.1", 3.5}, {L"", 0}, {L"abc", 0}, {L".", 0}, {L"- 5", 0},
        {L"1e-999", 0}, {L"1e999", INFINITY}};  // beyond double: never a wrapped or garbage value
    for (const auto& [text, value] : leading) EXPECT_EQ(LeadingValue(text), value) << text;
    // Halving to even, the ranges (16 bits, from 0, 1-60 minutes) and the corrected texts are the fuzzer's.
    const std::pair<const wchar_t*, std::optional<int>> waitTimes[] = {{L"1.5", 90}, {L"0.51", 31}, {L" 30 ", 1800},
        {L"6e1", 3600}, {L"1.0125", 61}, {L"1.00833", 60}, {L"60.5", 3630}, {L"0.5", {}}, {L"60.51", {}}};
    for (const auto& [text, seconds] : waitTimes) EXPECT_EQ(WaitTimeSeconds(text), seconds) << text;
    const std::pair<int, const wchar_t*> shown[] = {{90, L"1"}, {59, L"0"}, {3659, L"60"}, {-90, L"-1"}};
    for (const auto& [seconds, text] : shown) EXPECT_EQ(WaitTimeText(seconds), text) << seconds;
}

TEST(MinuteCount, ComesDueAtTheIntervalAndNeverWraps) {
    // From a count, the ticks at the intervals given: each that comes due (D) sets the count to 0, as the caller does.
    auto ticks = [](int16_t count, std::vector<int16_t> intervals) {
        std::string due;
        for (int16_t interval : intervals) due += CountMinute(count, interval) ? (count = 0, 'D') : '-';
        return due;
    };
    EXPECT_EQ(ticks(0, {3, 3, 3, 3, 3, 3, 3}), "--D--D-");
    EXPECT_EQ(ticks(10, {60, 5}), "-D");  // an interval lowered below the count comes due at the next tick
    EXPECT_EQ(ticks(32766, {0, -5, -5, 32767}), "---D");
}

TEST(ChangeSound, OnlyARiffWaveIsPlayedAsItIs) {
    using namespace std::string_view_literals;
    EXPECT_TRUE(IsWaveHeader("RIFF\x24\0\0\0WAVEfmt "sv));
    for (auto head : {"RIFF\x24\0\0\0AVI LIST"sv, "BM6\0\0"sv, "RIFF"sv, ""sv}) EXPECT_FALSE(IsWaveHeader(head)) << head;
}

TEST(VersionText, RunsMinorAndRevisionTogether) {
    EXPECT_EQ(VersionMessageText({1, 4, 4}), L"Dekorin Ver.1.44");
    EXPECT_EQ(VersionMessageText({1, 0, 12}), L"Dekorin Ver.1.012");
}

TEST(BusyUser, ComesOnceWhenTheUserIsFreeAgain) {
    for (int state = 0; state <= 8; ++state) EXPECT_EQ(IsBusyOrAway(state), "-BBBB----"[state] == 'B') << state;
    // Events with the state they see: D due, R recheck, X timed changes off; C the change is made.
    auto changes = [](std::string events) {
        TimedChangeHold hold;
        std::string made;
        for (size_t i = 0; i < events.size(); i += 2) {
            const int state = events[i + 1] - '0';
            made += events[i] == 'D' ? (hold.Due(state) ? 'C' : '-') : events[i] == 'R' ? (hold.Recheck(state) ? 'C' : '-') : (hold.Drop(), 'x');
        }
        return made;
    };
    EXPECT_EQ(changes("D5D2R3D1D4R4R5R5D6"), "C-----C-C");  // three intervals busy, one change after
    EXPECT_EQ(changes("D2D7R5"), "-C-");
    EXPECT_EQ(changes("D1X0R5"), "-x-");
}
