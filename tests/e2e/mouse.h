// The mouse as a user moves it: real events through SendInput, which go to
// whatever window is under the pointer. Bring the target's top-level window
// to the front first (user_input.h).
//
// One Mouse is used for a whole session (AppSession::UserMouse): it remembers
// its last press, so that two separate clicks on the same spot are never
// merged by the system into one double click.
#pragma once

#include <windows.h>

#include <chrono>

namespace vorn::e2e {

class Mouse {
public:
    void MoveTo(POINT screen);
    void ClickAt(POINT screen);
    // Left click in the middle of a window's client area, or at a point of it.
    void ClickWindow(HWND window);
    void ClickWindowAt(HWND window, POINT client);
    // Press at `from`, move in steps (well past the drag threshold), release at `to`.
    void Drag(POINT from, POINT to, int steps = 10);

private:
    // Presses the left button at the pointer, after waiting out the
    // double-click time if the last press was close by.
    void PressLeft(POINT screen);
    void ReleaseLeft();

    std::chrono::steady_clock::time_point lastPressTime_{};
    POINT lastPress_{-1000, -1000};
};

}  // namespace vorn::e2e
