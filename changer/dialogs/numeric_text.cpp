#include "changer/dialogs/numeric_text.h"

#include <cmath>
#include <cstdlib>

namespace dek {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsSign(wchar_t c) { return c == L'+' || c == L'-'; }

std::wstring_view SkipBlanks(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

size_t CountDigits(std::wstring_view text, size_t from) {
    size_t i = from;
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i - from;
}

// Length of the longest prefix of `text` that is a number: [sign] mantissa [exponent]; 0 if none.
// Every part is taken greedily, and an exponent only when digits follow it, which makes the
// greedy match the longest one.
size_t NumberLength(std::wstring_view text) {
    size_t i = 0;
    if (i < text.size() && IsSign(text[i])) ++i;
    const size_t whole = CountDigits(text, i);
    i += whole;
    size_t fraction = 0;
    if (i < text.size() && text[i] == L'.') {
        fraction = CountDigits(text, i + 1);
        if (whole == 0 && fraction == 0) return 0;  // "." or "-." alone
        i += 1 + fraction;
    }
    if (whole == 0 && fraction == 0) return 0;
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        size_t j = i + 1;
        if (j < text.size() && IsSign(text[j])) ++j;
        const size_t exponent = CountDigits(text, j);
        if (exponent > 0) i = j + exponent;
    }
    return i;
}

}  // namespace

bool IsNumericText(std::wstring_view text) {
    text = SkipBlanks(text);
    const size_t length = NumberLength(text);
    if (length == 0) return false;
    for (wchar_t c : text.substr(length)) {
        if (!IsBlank(c)) return false;
    }
    return true;
}

double LeadingValue(std::wstring_view text) {
    text = SkipBlanks(text);
    const size_t length = NumberLength(text);
    if (length == 0) return 0;
    // The prefix holds only ASCII digits, signs, "." and "e", so it narrows losslessly. strtod
    // reads "." as the decimal point in the "C" locale, which the program never leaves.
    std::string ascii;
    ascii.reserve(length);
    for (wchar_t c : text.substr(0, length)) ascii.push_back(static_cast<char>(c));
    return std::strtod(ascii.c_str(), nullptr);
}

double RoundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    const double below = std::floor(value);
    const double rest = value - below;
    if (rest < 0.5) return below;
    if (rest > 0.5) return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

std::optional<int16_t> ToInt16(std::wstring_view text) {
    if (!IsNumericText(text)) return std::nullopt;
    const double rounded = RoundHalfEven(LeadingValue(text));
    if (!(rounded >= -32768 && rounded <= 32767)) return std::nullopt;
    return static_cast<int16_t>(rounded);
}

std::optional<int16_t> IntervalMinutes(std::wstring_view text) {
    const std::optional<int16_t> minutes = ToInt16(text);
    if (!minutes || *minutes < 0) return std::nullopt;
    return minutes;
}

std::wstring CorrectedIntervalText(std::wstring_view text) {
    return IsNumericText(text) ? std::wstring(text) : std::wstring();
}

std::wstring CorrectedWaitTimeText(std::wstring_view text) {
    return IsNumericText(text) ? std::wstring(text) : std::wstring(L"1");
}

bool WaitTimeAccepted(std::wstring_view text) {
    if (!IsNumericText(text)) return false;
    const double minutes = RoundHalfEven(LeadingValue(text));
    return minutes >= 1 && minutes <= 60;
}

std::optional<int> WaitTimeSeconds(std::wstring_view text) {
    if (!WaitTimeAccepted(text)) return std::nullopt;
    // An accepted text holds at most 60.5 minutes, so the seconds stay far inside an int.
    return static_cast<int>(RoundHalfEven(LeadingValue(text) * 60));
}

std::wstring WaitTimeText(int timeoutSeconds) { return std::to_wstring(timeoutSeconds / 60); }

}  // namespace dek
