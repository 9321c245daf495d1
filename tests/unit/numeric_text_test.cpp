#include "changer/dialogs/numeric_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace dek {
namespace {

TEST(NumericText, NumbersWithBlanksSignPointAndExponent) {
    for (const wchar_t* text : {L"0", L"12", L" 12", L"12 ", L"\t12\t", L"+3", L"-5", L".5", L"5.", L"-.5",
                                L"60.5", L"1e1", L"1E1", L"1e+1", L"2.5e-1", L"007", L"  -0  ",
                                L"123456789012345678901234567890", L"1e999"}) {
        EXPECT_TRUE(IsNumericText(text)) << text;
    }
}

TEST(NumericText, EverythingElseIsNotANumber) {
    for (const wchar_t* text : {L"", L" ", L"abc", L"1e", L"1e+", L"e5", L".", L"-", L"+", L"-.", L"1,5",
                                L"1,000", L"- 5", L"+-3", L"&H10", L"&h10", L"0x10", L"1 2", L"12abc",
                                L"1.2.3", L"1e1.5", L"１２", L"1d2", L"inf", L"nan", L"\u00a012"}) {
        EXPECT_FALSE(IsNumericText(text)) << text;
    }
}

TEST(NumericText, LeadingValueReadsTheLongestNumberAtTheStart) {
    EXPECT_EQ(LeadingValue(L"60.5"), 60.5);
    EXPECT_EQ(LeadingValue(L" 12"), 12);
    EXPECT_EQ(LeadingValue(L"-5"), -5);
    EXPECT_EQ(LeadingValue(L"+3"), 3);
    EXPECT_EQ(LeadingValue(L".5"), 0.5);
    EXPECT_EQ(LeadingValue(L"5."), 5);
    EXPECT_EQ(LeadingValue(L"1e1"), 10);
    EXPECT_EQ(LeadingValue(L"2.5E-1"), 0.25);
    // Only a prefix counts: the rest of the text is ignored.
    EXPECT_EQ(LeadingValue(L"1e"), 1);
    EXPECT_EQ(LeadingValue(L"1e+"), 1);
    EXPECT_EQ(LeadingValue(L"12abc"), 12);
    EXPECT_EQ(LeadingValue(L"1,5"), 1);
    EXPECT_EQ(LeadingValue(L"1 2"), 1);
    EXPECT_EQ(LeadingValue(L"3.5.1"), 3.5);
    // Nothing that reads as a number: 0.
    EXPECT_EQ(LeadingValue(L""), 0);
    EXPECT_EQ(LeadingValue(L"abc"), 0);
    EXPECT_EQ(LeadingValue(L"&H10"), 0);
    EXPECT_EQ(LeadingValue(L"-"), 0);
    EXPECT_EQ(LeadingValue(L"."), 0);
    EXPECT_EQ(LeadingValue(L"- 5"), 0);
    // Beyond double: an infinity, never a wrapped or garbage value.
    EXPECT_TRUE(std::isinf(LeadingValue(L"1e999")));
    EXPECT_GT(LeadingValue(L"1e999"), 0);
    EXPECT_EQ(LeadingValue(L"1e-999"), 0);
}

TEST(NumericText, RoundingTakesHalvesToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(60.5), 60);
    EXPECT_EQ(RoundHalfEven(61.5), 62);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(0.4999), 0);
    EXPECT_EQ(RoundHalfEven(0.5001), 1);
    EXPECT_EQ(RoundHalfEven(-2.6), -3);
    EXPECT_EQ(RoundHalfEven(7), 7);
    EXPECT_EQ(RoundHalfEven(32767.5), 32768);
}

TEST(NumericText, SixteenBitConversionRoundsAndRefusesWhatDoesNotFit) {
    EXPECT_EQ(ToInt16(L"2.5"), 2);
    EXPECT_EQ(ToInt16(L"3.5"), 4);
    EXPECT_EQ(ToInt16(L" 12"), 12);
    EXPECT_EQ(ToInt16(L"-5"), -5);
    EXPECT_EQ(ToInt16(L"1e1"), 10);
    EXPECT_EQ(ToInt16(L"32767"), 32767);
    EXPECT_EQ(ToInt16(L"32767.4"), 32767);
    EXPECT_EQ(ToInt16(L"-32768"), -32768);
    EXPECT_EQ(ToInt16(L"-32768.5"), -32768);  // half to even: -32768
    EXPECT_EQ(ToInt16(L"32767.5"), std::nullopt);
    EXPECT_EQ(ToInt16(L"32768"), std::nullopt);
    EXPECT_EQ(ToInt16(L"-32769"), std::nullopt);
    EXPECT_EQ(ToInt16(L"1e5"), std::nullopt);
    EXPECT_EQ(ToInt16(L"1e999"), std::nullopt);
    EXPECT_EQ(ToInt16(L"-1e999"), std::nullopt);
    EXPECT_EQ(ToInt16(L""), std::nullopt);
    EXPECT_EQ(ToInt16(L"abc"), std::nullopt);
    EXPECT_EQ(ToInt16(L"12abc"), std::nullopt);  // not numeric as a whole, though it starts with 12
}

TEST(NumericText, IntervalIsAWholeNumberOfMinutesFromZeroTo32767) {
    EXPECT_EQ(IntervalMinutes(L"60"), 60);
    EXPECT_EQ(IntervalMinutes(L"0"), 0);
    EXPECT_EQ(IntervalMinutes(L"2.5"), 2);
    EXPECT_EQ(IntervalMinutes(L"3.5"), 4);
    EXPECT_EQ(IntervalMinutes(L"0.4"), 0);
    EXPECT_EQ(IntervalMinutes(L"-0.4"), 0);  // rounds to 0, which is not negative
    EXPECT_EQ(IntervalMinutes(L"32767"), 32767);
    EXPECT_EQ(IntervalMinutes(L"-5"), std::nullopt);
    EXPECT_EQ(IntervalMinutes(L"-0.6"), std::nullopt);
    EXPECT_EQ(IntervalMinutes(L"40000"), std::nullopt);
    EXPECT_EQ(IntervalMinutes(L""), std::nullopt);
    EXPECT_EQ(IntervalMinutes(L"abc"), std::nullopt);
}

TEST(NumericText, CorrectionsOfTheTwoBoxes) {
    EXPECT_EQ(CorrectedIntervalText(L"abc"), L"");
    EXPECT_EQ(CorrectedIntervalText(L"1e"), L"");
    EXPECT_EQ(CorrectedIntervalText(L""), L"");
    EXPECT_EQ(CorrectedIntervalText(L"-5"), L"-5");  // numeric: kept, the interval rule refuses it
    EXPECT_EQ(CorrectedIntervalText(L" 12"), L" 12");
    EXPECT_EQ(CorrectedWaitTimeText(L"abc"), L"1");
    EXPECT_EQ(CorrectedWaitTimeText(L""), L"1");
    EXPECT_EQ(CorrectedWaitTimeText(L"&H10"), L"1");
    EXPECT_EQ(CorrectedWaitTimeText(L"0"), L"0");
    EXPECT_EQ(CorrectedWaitTimeText(L"60.5"), L"60.5");
}

TEST(NumericText, WaitTimeAcceptsOneToSixtyMinutesAfterRounding) {
    for (const wchar_t* text : {L"1", L"60", L"60.5", L"1.5", L"0.51", L" 30 ", L"6e1", L"+2"}) {
        EXPECT_TRUE(WaitTimeAccepted(text)) << text;
    }
    for (const wchar_t* text : {L"0", L"0.5", L"60.51", L"61", L"-5", L"", L"abc", L"1e", L"1e999"}) {
        EXPECT_FALSE(WaitTimeAccepted(text)) << text;
    }
}

TEST(NumericText, WaitTimeInSecondsIsTheLeadingValueTimesSixtyRounded) {
    EXPECT_EQ(WaitTimeSeconds(L"1"), 60);
    EXPECT_EQ(WaitTimeSeconds(L"1.5"), 90);
    EXPECT_EQ(WaitTimeSeconds(L"60.5"), 3630);
    EXPECT_EQ(WaitTimeSeconds(L"60"), 3600);
    EXPECT_EQ(WaitTimeSeconds(L"1.0125"), 61);   // 60.75 s
    EXPECT_EQ(WaitTimeSeconds(L"1.00833"), 60);  // 60.4998 s
    EXPECT_EQ(WaitTimeSeconds(L"0.5"), std::nullopt);
    EXPECT_EQ(WaitTimeSeconds(L"abc"), std::nullopt);
}

TEST(NumericText, WaitTimeTextTruncatesTheSystemTimeoutToWholeMinutes) {
    EXPECT_EQ(WaitTimeText(90), L"1");
    EXPECT_EQ(WaitTimeText(59), L"0");
    EXPECT_EQ(WaitTimeText(0), L"0");
    EXPECT_EQ(WaitTimeText(600), L"10");
    EXPECT_EQ(WaitTimeText(3659), L"60");
    EXPECT_EQ(WaitTimeText(-90), L"-1");
}

}  // namespace
}  // namespace dek
