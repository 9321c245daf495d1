#include "changer/desktop/change_rules.h"

#include <cmath>
#include <limits>

namespace dek {

int PickIndex(int count, int last, const std::function<double()>& draw) {
    for (;;) {
        int pick = static_cast<int>(std::floor(draw() * count));
        // Guards a generator that rounds up to 1.0 at the very end of its range.
        if (pick >= count) pick = count - 1;
        if (pick < 0) pick = 0;
        if (pick != last || count <= 1) return pick;
    }
}

bool CountMinute(int16_t& minuteCount, int16_t interval) {
    // A count that can never come due stops at the top instead of wrapping into negatives.
    if (minuteCount < std::numeric_limits<int16_t>::max()) ++minuteCount;
    return interval >= 1 && minuteCount >= interval;
}

bool IsWaveHeader(std::string_view firstBytes) {
    return firstBytes.size() >= 12 && firstBytes.substr(0, 4) == "RIFF" && firstBytes.substr(8, 4) == "WAVE";
}

}  // namespace dek
