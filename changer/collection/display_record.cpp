#include "changer/collection/display_record.h"

#include <cmath>

namespace dek {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool EndsField(char c) { return c == ',' || c == '\r' || c == '\n' || IsBlank(c); }

}  // namespace

DisplayPosition ShownPosition(DisplayPosition position) {
    return position >= Center && position <= Fill ? position : Stretch;
}

DisplayPosition ParseWallRecord(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    size_t end = i;
    while (end < text.size() && !EndsField(text[end])) ++end;
    std::string_view field = text.substr(i, end - i);

    bool negative = false;
    if (!field.empty() && (field.front() == '-' || field.front() == '+')) {
        negative = field.front() == '-';
        field.remove_prefix(1);
    }
    // Whole part and fraction, each digits only; at least one digit in all.
    const size_t point = field.find('.');
    const std::string_view whole = field.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : field.substr(point + 1);
    if (whole.empty() && fraction.empty()) return Center;
    double value = 0;
    for (char c : whole) {
        if (!IsDigit(c)) return Center;
        value = value * 10 + (c - '0');
        if (value > 40000) return Center;  // far outside 16 bits; stop before the digits run long
    }
    double scale = 0.1;
    for (char c : fraction) {
        if (!IsDigit(c)) return Center;
        value += (c - '0') * scale;
        scale /= 10;
    }
    if (negative) value = -value;
    const double rounded = std::nearbyint(value);  // the default rounding: halves to the even neighbour
    if (rounded < -32768 || rounded > 32767) return Center;
    return static_cast<DisplayPosition>(rounded);
}

std::string FormatWallRecord(DisplayPosition position) { return std::to_string(position) + "\r\n"; }

std::wstring WallRecordName(std::wstring_view wallpaper) { return std::wstring(wallpaper) + L".dat"; }

}  // namespace dek
