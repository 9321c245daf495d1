#include "changer/collection/random_pick.h"

#include <algorithm>
#include <cmath>

namespace dek {

int DrawPlace(int count, const std::function<bool(int)>& allowed, const std::function<double()>& draw) {
    int place;
    do {
        // Guards a generator that rounds up to 1.0 at the very end of its range.
        place = std::clamp(static_cast<int>(std::floor(draw() * count)), 0, count - 1);
    } while (!allowed(place));
    return place;
}

}  // namespace dek
