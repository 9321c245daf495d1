// The user settings of the changer, their defaults, and how they are read from and written
// to a store of texts (the registry in the program; a map in tests).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dek {

struct Settings {
    int16_t ChangeAtStartup = 0;   // "opt1value": 1 = one random change at start-up
    int16_t ChangeOnInterval = 1;  // "opt2value": 1 = change every ChangeInterval minutes
    int16_t PlaySound = 0;         // "opt3value": 1 = play SoundFile on a change
    int16_t ChangeInterval = 60;   // "changeinterval": minutes; 0 = no timed change
    std::wstring SoundFile;        // "wavdir"
    std::wstring WallDefaultDir;   // "defdir": where the wallpaper Add dialog opens
    std::wstring SaverDefaultDir;  // "defdir2": where the screen-saver Add dialog opens
    int16_t WallpaperPerMonitor = 0;  // "eachmonitor": 1 = random changes give each monitor its own

    // The change timer runs exactly when timed changes are on and have an interval.
    bool TimerEnabled() const { return ChangeOnInterval == 1 && ChangeInterval != 0; }
    // A change plays its sound for switch 1 only.
    bool SoundEnabled() const { return PlaySound == 1; }
};

// Texts by key within the program's section of the per-user store.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::wstring> Read(std::wstring_view key) const = 0;
    virtual void Write(std::wstring_view key, std::wstring_view text) = 0;
};

// A stored number must be a whole number from -32768 to 32767 (blanks around it allowed);
// anything else, for example text edited by hand, yields nullopt.
std::optional<int16_t> ParseSettingNumber(std::wstring_view text);

// Missing keys, and numbers that do not parse, take their defaults; the two folders default to
// the program folder of this run, which is never stored.
Settings LoadSettings(const SettingsStore& store, std::wstring_view programFolder);

// Writes every value, changed or not, numbers as plain decimal text.
void SaveSettings(SettingsStore& store, const Settings& settings);

}  // namespace dek
