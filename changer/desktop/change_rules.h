// What the random change and the change timer decide, apart from the windows they act on.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace dek {

// Picks an index from 0 to count - 1 as the whole part of r * count, r drawn from `draw` in
// [0, 1). With two or more entries the pick is never `last`: a pick equal to it is drawn again.
// count must be 1 or more.
int PickIndex(int count, int last, const std::function<double()>& draw);

// One tick of the change timer: counts it and tells whether the timed change is due now. The
// caller makes the change, then sets the count to 0. An interval below 1 never comes due.
bool CountMinute(int16_t& minuteCount, int16_t interval);

// True when the first bytes of a file are those of a RIFF WAVE file, the only kind the change
// sound plays; anything else gets the platform's default sound.
bool IsWaveHeader(std::string_view firstBytes);

}  // namespace dek
