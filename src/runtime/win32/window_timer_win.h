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
    void Stop();

private:
    UINT_PTR id_;
    UINT periodMs_;
    HWND window_ = nullptr;  // while running
};

}  // namespace vorn::runtime
