#include "runtime/win32/window_timer_win.h"

namespace vorn::runtime {

void WindowTimer::Run(HWND window, bool wanted) {
    if (!wanted) {
        Stop();
        return;
    }
    if (Running() || window == nullptr) return;
    if (SetTimer(window, id_, periodMs_, nullptr) != 0) window_ = window;
}

void WindowTimer::RunIn(HWND window, UINT delayMs) {
    if (window == nullptr) return;
    if (Running() && window_ != window) Stop();
    // SetTimer with the same window and id replaces the running timer.
    if (SetTimer(window, id_, delayMs, nullptr) != 0) window_ = window;
    else Stop();
}

void WindowTimer::Stop() {
    if (window_ != nullptr) KillTimer(window_, id_);
    window_ = nullptr;
}

}  // namespace vorn::runtime
