#include "changer/desktop/busy_user.h"

namespace dek {

bool IsBusyOrAway(int notificationState) { return notificationState >= 1 && notificationState <= 4; }

bool TimedChangeHold::Due(int notificationState) {
    held_ = IsBusyOrAway(notificationState);
    return !held_;
}

bool TimedChangeHold::Recheck(int notificationState) {
    if (!held_ || IsBusyOrAway(notificationState)) return false;
    held_ = false;
    return true;
}

}  // namespace dek

