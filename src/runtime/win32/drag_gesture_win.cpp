#include "runtime/win32/drag_gesture_win.h"

#include <windowsx.h>

#include <cstdlib>

namespace vorn::runtime {
namespace {

// Where the mouse was when the message being handled was posted; screen
// coordinates stay valid while the window under the mouse moves.
POINT MessagePoint() {
    const DWORD position = GetMessagePos();
    return {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
}

}  // namespace

void DragGesture::OnButtonDown(HWND control) {
    pressed_ = true;
    dragging_ = false;
    pressedAt_ = MessagePoint();
    RECT window{};
    GetWindowRect(GetAncestor(control, GA_ROOT), &window);
    windowAtPress_ = {window.left, window.top};
    SetCapture(control);
}

void DragGesture::OnMouseMove(HWND control) {
    if (!pressed_ || GetCapture() != control) return;
    const POINT now = MessagePoint();
    const int dx = now.x - pressedAt_.x;
    const int dy = now.y - pressedAt_.y;
    if (!dragging_) {
        if (std::abs(dx) <= GetSystemMetrics(SM_CXDRAG) && std::abs(dy) <= GetSystemMetrics(SM_CYDRAG))
            return;
        dragging_ = true;
    }
    // Measured from the press: the window keeps the distance already moved.
    SetWindowPos(GetAncestor(control, GA_ROOT), nullptr, windowAtPress_.x + dx,
                 windowAtPress_.y + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool DragGesture::OnButtonUp(HWND control, LPARAM position) {
    if (!pressed_) return false;
    const bool dragged = dragging_;
    pressed_ = dragging_ = false;
    if (GetCapture() == control) ReleaseCapture();
    if (dragged) return false;
    RECT client{};
    GetClientRect(control, &client);
    const POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    return PtInRect(&client, at) != FALSE;
}

}  // namespace vorn::runtime
