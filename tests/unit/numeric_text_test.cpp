// Numbers typed into the settings dialog: what is numeric, its value, and the two boxes' rules.
#include "changer/dialogs/numeric_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace dek {
namespace {

TEST(NumericText, WhatReadsAsANumberWholeAndAsALeadingValue) {
    for (const wchar_t* text : {L"0", L" 12", L"\t12\t", L"+3", L"-5", L".5", L"5.", L"-.5", L"1E1", L"1e+1",
                                L"2.5e-1", L"  -0  ", L"123456789012345678901234567890", L"1e999"}) {
        EXPECT_TRUE(IsNumericText(text)) << text;
    }
    for (const wchar_t* text : {L"", L" ", L"abc", L"1e", L"1e+", L"e5", L".", L"-", L"-.", L"1,5", L"- 5", L"+-3",
                                L"&H10", L"0x10", L"1 2", L"12abc", L"1.2.3", L"1e1.5", L"１２", L"1d2", L"inf",
                                L"nan", L"\u00a012"}) {
        EXPECT_FALSE(IsNumericText(text)) << text;
    }
    const std::pair<const wchar_t*, double> leading[] = {
        {L" 12", 12}, {L"-5", -5}, {L".5", 0.5}, {L"5.", 5},     {L"2.5E-1", 0.25}, {L"1e", 1}, {L"1e+", 1},
        {L"12abc", 12}, {L"1,5", 1}, {L"3.5.1", 3.5}, {L"", 0}, {L"abc", 0},      {L".", 0},  {L"- 5", 0},
        {L"1e-999", 0}, {L"1e999", INFINITY}};  // beyond double: never a wrapped or garbage value
    for (const auto& [text, value] : leading) EXPECT_EQ(LeadingValue(text), value) << text;
}

TEST(NumericText, HalvesToEvenThenSixteenBitsTheIntervalFrom0AndTheWaitTimeFrom1To60Minutes) {
    for (const auto& [value, rounded] : {std::pair{0.5, 0.0}, {1.5, 2}, {2.5, 2}, {60.5, 60}, {-0.5, 0}, {-1.5, -2},
                                         {-2.5, -2}, {-2.6, -3}, {0.4999, 0}, {0.5001, 1}, {32767.5, 32768}}) {
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    }
    using Int16 = std::optional<int16_t>;
    const std::tuple<const wchar_t*, Int16, Int16> numbers[] = {  // text, ToInt16, IntervalMinutes
        {L"2.5", 2, 2},        {L"3.5", 4, 4},            {L"1e1", 10, 10},     {L"0", 0, 0},
        {L"-0.4", 0, 0},       {L"-0.6", -1, {}},         {L"-5", -5, {}},      {L"32767.4", 32767, 32767},
        {L"32767.5", {}, {}},  {L"-32768.5", -32768, {}}, {L"-32769", {}, {}}, {L"1e5", {}, {}},
        {L"1e999", {}, {}},    {L"-1e999", {}, {}},       {L"", {}, {}},        {L"12abc", {}, {}}};
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
    // The wait time's seconds are the leading value times 60, rounded.
    const std::pair<const wchar_t*, std::optional<int>> waitTimes[] = {
        {L"1", 60},      {L"1.5", 90},     {L"60.5", 3630}, {L"0.51", 31}, {L" 30 ", 1800}, {L"6e1", 3600},
        {L"1.0125", 61}, {L"1.00833", 60}, {L"0", {}},      {L"0.5", {}},  {L"60.51", {}},  {L"61", {}},
        {L"-5", {}},     {L"", {}},        {L"1e", {}},     {L"1e999", {}}};
    for (const auto& [text, seconds] : waitTimes) {
        EXPECT_EQ(WaitTimeAccepted(text), seconds.has_value()) << text;
        EXPECT_EQ(WaitTimeSeconds(text), seconds) << text;
    }
    for (const auto& [seconds, text] : {std::pair{90, L"1"}, {59, L"0"}, {3659, L"60"}, {-90, L"-1"}}) {
        EXPECT_EQ(WaitTimeText(seconds), text) << seconds;
    }
}

}  // namespace
}  // namespace dek
