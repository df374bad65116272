#include "runtime/controls/timer_control_win.h"

#include "runtime/interfaces/property_access.h"

namespace vorn::runtime {

TimerControl::~TimerControl() { Stop(); }

bool TimerControl::Create(HWND parent) {
    owner_ = GetAncestor(parent, GA_ROOT);
    if (owner_ == nullptr) return false;
    const ControlLayout& layout = this->layout();
    rect_[0] = layout.left;
    rect_[1] = layout.top;
    rect_[2] = layout.width;
    rect_[3] = layout.height;
    visible_ = layout.visible;
    disabled_ = !layout.enabled;
    if (!disabled_) Start();
    return true;
}

void TimerControl::Start() {
    // The control identifier doubles as the timer identifier on the window.
    if (owner_ && layout().periodMs > 0)
        SetTimer(owner_, id(), static_cast<UINT>(layout().periodMs), nullptr);
}

void TimerControl::Stop() {
    if (owner_ && IsWindow(owner_)) KillTimer(owner_, id());
}

void TimerControl::Destroy() {
    Stop();
    owner_ = nullptr;
}

std::int64_t TimerControl::ReadInteger(int property) {
    if (!IsAlive()) return 0;
    if (property >= prop::kLeft && property <= prop::kHeight) return rect_[property];
    if (property == prop::kVisible) return visible_ ? 1 : 0;
    if (property == prop::kDisabled) return disabled_ ? 1 : 0;
    return 0;
}

void TimerControl::WriteInteger(int property, std::int64_t value) {
    if (!IsAlive()) return;
    if (property >= prop::kLeft && property <= prop::kHeight)
        rect_[property] = static_cast<int>(value);
    else if (property == prop::kVisible)
        visible_ = value != 0;
    else if (property == prop::kDisabled && disabled_ != (value != 0)) {
        // A disabled timer does not tick.
        disabled_ = value != 0;
        if (disabled_) Stop();
        else Start();
    }
}

void TimerControl::OnTimer() {
    if (!disabled_) Raise(EventKind::PeriodElapsed);
}

}  // namespace vorn::runtime
