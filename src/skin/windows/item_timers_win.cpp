#include "skin/windows/item_timers_win.h"

namespace vorn::skin {
namespace {

constexpr UINT kPeriods[] = {45, 25, 80};

}  // namespace

void ItemTimers::SetWindow(HWND window) {
    StopAll();
    window_ = window;
}

void ItemTimers::Run(ItemTimer timer, bool wanted) {
    const std::size_t slot = Slot(timer);
    if (window_ == nullptr || running_[slot] == wanted) return;
    const auto id = static_cast<UINT_PTR>(timer);
    if (wanted) running_[slot] = SetTimer(window_, id, kPeriods[slot], nullptr) != 0;
    else {
        KillTimer(window_, id);
        running_[slot] = false;
    }
}

void ItemTimers::StopAll() {
    for (const ItemTimer timer : {ItemTimer::Animation, ItemTimer::Fade, ItemTimer::Frames})
        Run(timer, false);
}

}  // namespace vorn::skin
