// A left press on a label or picture box moves the whole window, as a press
// on a title bar would; a press released without moving is a click instead.
#pragma once

#include <windows.h>

namespace vorn::runtime {

class DragGesture {
public:
    // Feed the control's mouse messages. Once the mouse has moved beyond the
    // system's drag threshold with the button down, the top-level window
    // follows it. OnButtonUp returns true for a click: released inside the
    // control without having dragged.
    void OnButtonDown(HWND control);
    void OnMouseMove(HWND control);
    bool OnButtonUp(HWND control, LPARAM position);
    void OnCaptureLost() { pressed_ = dragging_ = false; }

private:
    bool pressed_ = false;
    bool dragging_ = false;
    POINT pressedAt_{};     // screen
    POINT windowAtPress_{};  // top-left of the top-level window
};

}  // namespace vorn::runtime
