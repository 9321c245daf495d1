#include "changer/desktop/change_rules.h"

#include <limits>

namespace dek {

bool CountMinute(int16_t& minuteCount, int16_t interval) {
    // A count that can never come due stops at the top instead of wrapping into negatives.
    if (minuteCount < std::numeric_limits<int16_t>::max()) ++minuteCount;
    return interval >= 1 && minuteCount >= interval;
}

bool IsWaveHeader(std::string_view firstBytes) {
    return firstBytes.size() >= 12 && firstBytes.substr(0, 4) == "RIFF" && firstBytes.substr(8, 4) == "WAVE";
}

DesktopTiling TilingFor(DisplayPosition position) {
    switch (ShownPosition(position)) {
    case Center: return {L"0", L"0"};
    case Tile: return {L"1", L"0"};
    case Fit: return {L"0", L"6"};
    case Fill: return {L"0", L"10"};
    default: return {L"0", L"2"};
    }
}

}  // namespace dek
