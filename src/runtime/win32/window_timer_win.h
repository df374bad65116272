// One WM_TIMER timer of a window, running only while it is wanted, so an idle
// window wakes nobody. Its ticks arrive as the window's own WM_TIMER messages
// with the timer's id.
#pragma once

#include <windows.h>

namespace vorn::runtime {

class WindowTimer {
public:
    WindowTimer(UINT_PTR id, UINT periodMs) : id_(id), periodMs_(periodMs) {}
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;
    ~WindowTimer() { Stop(); }

    UINT_PTR Id() const { return id_; }
    bool Running() const { return window_ != nullptr; }

    // Starts the timer on `window` when `wanted` and it is not running;
    // stops it when not wanted.
    void Run(HWND window, bool wanted);
    // (Re)starts the timer on `window` so that its next tick comes `delayMs`
    // from now (the system's minimum, 10 ms, at the least), and the ones after
    // it every `delayMs` until it is set again or stopped: for ticks that keep
    // to a clock of their own.
    void RunIn(HWND window, UINT delayMs);
    void Stop();

private:
    UINT_PTR id_;
    UINT periodMs_;
    HWND window_ = nullptr;  // while running
};

}  // namespace vorn::runtime
