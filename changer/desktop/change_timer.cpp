#include "changer/desktop/change_timer.h"

#include "changer/desktop/change_rules.h"

namespace dek {

void ChangeTimer::Detach() {
    if (window_ && running_) KillTimer(window_, kId);
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
    }
}

bool ChangeTimer::Tick(const Settings& settings) {
    if (!CountMinute(minuteCount_, settings.ChangeInterval)) return false;
    minuteCount_ = 0;
    return true;
}

}  // namespace dek
