// Numbers typed into the settings dialog's text boxes: which texts count as numbers, what value
// a text starts with, and the two rules built on them (change interval, screen-saver wait time).
//
// Grammar of a numeric text, read whole:
//
//     blank* [sign] mantissa [exponent] blank*
//     mantissa = digit+ ["." digit*] | "." digit+
//     exponent = ("e" | "E") [sign] digit+
//     sign     = "+" | "-"        blank = " " | TAB        digit = "0" ... "9"
//
// So " 12", "+3", "-5", ".5", "5.", "1e1" and "2.5E-1 " are numeric; "", "abc", "1e", "1,5",
// "- 5", "&H10", "1 2" and full-width digits are not.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dek {

bool IsNumericText(std::wstring_view text);

// The number formed by the longest leading part of the text (after leading blanks) that reads as
// a number by the grammar above; 0 when there is none. "1e" gives 1, "12abc" 12, "abc" 0. A value
// beyond the range of double gives an infinity.
double LeadingValue(std::wstring_view text);

// To the nearest whole number; a half goes to the even neighbour (2.5 -> 2, 3.5 -> 4, -0.5 -> 0).
double RoundHalfEven(double value);

// A numeric text as a whole number from -32768 to 32767 after rounding; nullopt for a text that is
// not numeric or whose rounded value lies outside that range.
std::optional<int16_t> ToInt16(std::wstring_view text);

// The change interval that a text gives: a whole number of minutes from 0 to 32767 after
// rounding. Empty, negative, out-of-range and non-numeric texts give nullopt.
std::optional<int16_t> IntervalMinutes(std::wstring_view text);

// The text the interval box keeps after one of its changes: itself when numeric, empty otherwise.
std::wstring CorrectedIntervalText(std::wstring_view text);

// The text the wait-time box keeps after one of its changes: itself when numeric, "1" otherwise.
std::wstring CorrectedWaitTimeText(std::wstring_view text);

// The wait-time box accepts a numeric text whose leading value rounds to 1 to 60 minutes.
bool WaitTimeAccepted(std::wstring_view text);

// The screen-saver time-out that an accepted wait-time text sets: its leading value times 60,
// rounded to whole seconds (60.5 -> 3630). nullopt for a text the wait-time box does not accept.
std::optional<int> WaitTimeSeconds(std::wstring_view text);

// The wait-time box's text for a system time-out: whole minutes, truncated toward zero.
std::wstring WaitTimeText(int timeoutSeconds);

}  // namespace dek
