// The change timer: one tick a minute while timed changes are on, and the minutes counted since
// the last timed change.
#pragma once

#include <windows.h>

#include <cstdint>

#include "changer/core/settings.h"

namespace dek {

class ChangeTimer {
public:
    // Ticks arrive as WM_TIMER with this id at the window given to Attach.
    static constexpr UINT_PTR kId = 1;

    // `minuteMilliseconds` is the length of its minute: 60000, shorter in tests.
    void Attach(HWND window, UINT minuteMilliseconds) {
        window_ = window;
        minute_ = minuteMilliseconds;
    }
    // The window is going: its timer goes with it, and later calls do nothing.
    void Detach();
    // On exactly when timed changes are on and have an interval. Switching on a running timer
    // leaves its minute alone; switching off and on again goes on counting where it stood.
    void Follow(const Settings& settings);
    // One tick: true when the timed change is due now; the count then starts again.
    bool Tick(const Settings& settings);

private:
    HWND window_ = nullptr;
    UINT minute_ = 60000;
    bool running_ = false;
    int16_t minuteCount_ = 0;
};

}  // namespace dek
