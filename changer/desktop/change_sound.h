// The sound that announces a change, when the user has asked for one.
#pragma once

#include <functional>
#include <string>

#include "changer/core/settings.h"

namespace dek {

// Starts a WAV file, or the system's default sound for an empty path, and returns at once: the
// system's player in the program, a recorder in tests.
using SoundPlayer = std::function<void(const std::wstring& waveFile)>;
void PlayWithSystem(const std::wstring& waveFile);

// Nothing unless the sound switch is 1; then the sound file of the settings, or the system's
// default sound when that is no WAV file.
void PlayChangeSound(const Settings& settings, const SoundPlayer& player);

}  // namespace dek
