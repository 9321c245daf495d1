// Sounds, started asynchronously: the calls return at once and the sound plays on.
#pragma once

#include <string>

namespace platform {

// Plays a WAV file; without a playable file the system may play its default sound instead.
bool PlayWaveAsync(const std::wstring& path);

// Plays the system's default sound.
bool PlayDefaultSoundAsync();

}  // namespace platform
