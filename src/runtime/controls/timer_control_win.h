// Timer: no window of its own; it ticks on the top-level window's timer
// queue and raises PeriodElapsed every period.
#pragma once

#include "runtime/controls/control_win.h"

namespace vorn::runtime {

class TimerControl final : public Control {
public:
    using Control::Control;
    ~TimerControl() override;

    bool Create(HWND parent) override;
    void Destroy() override;
    bool IsAlive() const override { return owner_ != nullptr && IsWindow(owner_); }
    std::int64_t ReadInteger(int property) override;
    void WriteInteger(int property, std::int64_t value) override;
    void OnTimer() override;

private:
    void Start();
    void Stop();

    HWND owner_ = nullptr;
    int rect_[4] = {};
    bool visible_ = false;
    bool disabled_ = false;
};

}  // namespace vorn::runtime
