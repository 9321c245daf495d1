// The sound that announces a change, when the user has asked for one.
#pragma once

#include "changer/core/settings.h"

namespace dek {

// Starts the sound file of the settings (the system's default sound when it is no WAV file) and
// returns at once; nothing unless the sound switch is 1.
void PlayChangeSound(const Settings& settings);

}  // namespace dek
