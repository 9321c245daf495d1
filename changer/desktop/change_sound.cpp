#include "changer/desktop/change_sound.h"

#include "changer/desktop/change_rules.h"
#include "platform/files.h"
#include "platform/sound.h"

namespace dek {

void PlayWithSystem(const std::wstring& waveFile) {
    waveFile.empty() ? platform::PlayDefaultSoundAsync() : platform::PlayWaveAsync(waveFile);
}

void PlayChangeSound(const Settings& settings, const SoundPlayer& player) {
    if (!settings.SoundEnabled()) return;
    // Only a RIFF WAVE file is handed to the player; for anything else (no file, an empty path,
    // another format) the system's default sound plays, as the setting promises.
    const std::optional<std::string> head =
        settings.SoundFile.empty() ? std::nullopt : platform::ReadFileHead(settings.SoundFile, 12);
    player(head && IsWaveHeader(*head) ? settings.SoundFile : std::wstring());
}

}  // namespace dek
