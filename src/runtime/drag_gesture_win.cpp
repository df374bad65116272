#include "runtime/drag_gesture_win.h"

#include <windowsx.h>

#include <cstdlib>

namespace vorn::runtime {

void DragGesture::OnButtonDown(HWND control, LPARAM position) {
    pressed_ = true;
    pressedAt_ = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    SetCapture(control);
}

void DragGesture::OnMouseMove(HWND control, LPARAM position) {
    if (!pressed_ || GetCapture() != control) return;
    const int dx = GET_X_LPARAM(position) - pressedAt_.x;
    const int dy = GET_Y_LPARAM(position) - pressedAt_.y;
    if (std::abs(dx) <= GetSystemMetrics(SM_CXDRAG) && std::abs(dy) <= GetSystemMetrics(SM_CYDRAG))
        return;
    pressed_ = false;
    ReleaseCapture();
    // From the press point, so the window catches up with the distance
    // already moved; the system's move loop runs until the button is released.
    POINT start = pressedAt_;
    ClientToScreen(control, &start);
    SendMessageW(GetAncestor(control, GA_ROOT), WM_NCLBUTTONDOWN, HTCAPTION,
                 MAKELPARAM(start.x, start.y));
}

bool DragGesture::OnButtonUp(HWND control, LPARAM position) {
    if (!pressed_) return false;
    pressed_ = false;
    if (GetCapture() == control) ReleaseCapture();
    RECT client{};
    GetClientRect(control, &client);
    const POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    return PtInRect(&client, at) != FALSE;
}

}  // namespace vorn::runtime
