// Keeping the timed change quiet while the user is busy or away: it waits, and comes once when
// the user is free again. Changes the user asks for (menu, "-e") never pass through here.
// No windows.h: tested natively.
#pragma once

namespace dek {

// The shell's notification state (QUERY_USER_NOTIFICATION_STATE): 1 not present (screen saver,
// locked, switched away), 2 busy (full screen), 3 a Direct3D full-screen program, 4 presentation
// mode. 5 (accepts notifications), 6 (quiet time), 7 (a Store app in front) and any other number,
// such as one that could not be read, count as free, so that a failing query never stops the changes.
bool IsBusyOrAway(int notificationState);

// How soon a held change asks again for the user's state.
inline constexpr int kHeldChangeRecheckSeconds = 5;

// The timed change as it comes due against the user's state.
class TimedChangeHold {
public:
    // The change timer says the timed change is due. True: make it now. False: it is held, and the
    // caller asks Recheck every kHeldChangeRecheckSeconds while it is held. Coming due again while held
    // adds nothing: the user gets one change for all the intervals that passed.
    bool Due(int notificationState);
    // True once, when the user is free again: make the held change now and stop asking.
    bool Recheck(int notificationState);
    // Timed changes were switched off: a held change is forgotten.
    void Drop() { held_ = false; }

private:
    bool held_ = false;
};

}  // namespace dek
