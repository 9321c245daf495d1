#include "changer/desktop/change_timer.h"

#include "changer/desktop/change_rules.h"

namespace dek {

void ChangeTimer::Detach() {
    if (window_ && running_) KillTimer(window_, kId);
    Hold(false);
    window_ = nullptr;
    running_ = false;
}

void ChangeTimer::Follow(const Settings& settings) {
    const bool wanted = settings.TimerEnabled();
    if (!window_ || wanted == running_) return;
    running_ = wanted;
    if (wanted) {
        SetTimer(window_, kId, minute_, nullptr);
    } else {
        KillTimer(window_, kId);
        hold_.Drop();
        Hold(false);
    }
}

bool ChangeTimer::OnTimer(UINT_PTR id, const Settings& settings, const std::function<int()>& userState) {
    if (id == kHeldId) {
        if (!hold_.Recheck(userState())) return false;
        Hold(false);
        minuteCount_ = 0;
        return true;
    }
    if (id != kId || !CountMinute(minuteCount_, settings.ChangeInterval)) return false;
    minuteCount_ = 0;
    if (hold_.Due(userState())) return true;
    Hold(true);
    return false;
}

void ChangeTimer::Hold(bool held) {
    if (window_ && held) SetTimer(window_, kHeldId, kHeldChangeRecheckSeconds * 1000, nullptr);
    if (window_ && !held) KillTimer(window_, kHeldId);
}

}  // namespace dek
