// The change timer: one tick a minute while timed changes are on, the minutes counted since the
// last timed change, and a timed change held while the user is busy or away.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "changer/core/settings.h"
#include "changer/desktop/busy_user.h"

namespace dek {

class ChangeTimer {
public:
    // Ticks arrive as WM_TIMER with these ids at the window given to Attach.
    static constexpr UINT_PTR kId = 1;
    static constexpr UINT_PTR kHeldId = 3;

    // `minuteMilliseconds` is the length of its minute: 60000, shorter in tests.
    void Attach(HWND window, UINT minuteMilliseconds) {
        window_ = window;
        minute_ = minuteMilliseconds;
    }
    // The window is going: its timers go with it, and later calls do nothing.
    void Detach();
    // On exactly when timed changes are on and have an interval. Switching on a running timer
    // leaves its minute alone; switching off and on again goes on counting where it stood;
    // switching off forgets a held change.
    void Follow(const Settings& settings);
    // A tick of one of its timers (any other id is not its own): true when the timed change is to
    // be made now. One that comes due while `userState` (the shell's notification state, asked
    // only then) says the user is busy or away is held and made once the user is free; the
    // minutes are counted again from then.
    bool OnTimer(UINT_PTR id, const Settings& settings, const std::function<int()>& userState);

private:
    void Hold(bool held);

    HWND window_ = nullptr;
    UINT minute_ = 60000;
    bool running_ = false;
    int16_t minuteCount_ = 0;
    TimedChangeHold hold_;
};

}  // namespace dek
