// A left press on a label or picture box moves the whole window, as a press
// on a title bar would; a press released without moving is a click instead.
#pragma once

#include <windows.h>

namespace vorn::runtime {

class DragGesture {
public:
    // Feed the control's mouse messages. OnButtonUp returns true for a click:
    // pressed and released inside the control without the mouse having moved
    // beyond the system's drag threshold.
    void OnButtonDown(HWND control, LPARAM position);
    void OnMouseMove(HWND control, LPARAM position);
    bool OnButtonUp(HWND control, LPARAM position);
    void OnCaptureLost() { pressed_ = false; }

private:
    bool pressed_ = false;
    POINT pressedAt_{};  // client coordinates
};

}  // namespace vorn::runtime
