#include "platform/sound.h"

#include <windows.h>
#include <mmsystem.h>

namespace platform {

bool PlayWaveAsync(const std::wstring& path) { return sndPlaySoundW(path.c_str(), SND_ASYNC) != FALSE; }

bool PlayDefaultSoundAsync() {
    return PlaySoundW(reinterpret_cast<LPCWSTR>(SND_ALIAS_SYSTEMDEFAULT), nullptr, SND_ALIAS_ID | SND_ASYNC) != FALSE;
}

}  // namespace platform
