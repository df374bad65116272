// The box's window procedure: its own non-client handling, the mouse and the
// keyboard, and the close requests. Until the opening animation is over only
// Ctrl+C is taken; everything else is ignored.
#include <windowsx.h>

#include <chrono>
#include <utility>

#include "skin/skin_state_win.h"
#include "skin/windows/clipboard_text_win.h"
#include "skin/windows/msg_box_window_win.h"

namespace vorn::skin {
namespace {

// The WINDOWPOS flags of the system's attempt to bring the box forward when
// its disabled owner is clicked.
constexpr UINT kOwnerClickedFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;

constexpr WPARAM kCtrlC = 3;

bool ShiftDown() { return (GetKeyState(VK_SHIFT) & 0x8000) != 0; }

}  // namespace

LRESULT MsgBoxWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    switch (message) {
        case WM_NCCALCSIZE: return 0;  // the whole window is client area
        case WM_NCHITTEST: return HTCLIENT;
        case WM_NCPAINT: return 0;
        case WM_NCACTIVATE: return TRUE;
        case WM_ERASEBKGND: return 1;
        case WM_SETFOCUS:
            hasFocus_ = true;
            Redraw();
            return 0;
        case WM_KILLFOCUS:
            hasFocus_ = false;
            Redraw();
            return 0;
        case WM_CLOSE: return OnClose(wParam);
        case WM_WINDOWPOSCHANGING:
            if ((reinterpret_cast<const WINDOWPOS*>(lParam)->flags & 0xFFFF) == kOwnerClickedFlags &&
                GetWindow(handle(), GW_OWNER)) {
                StartFlash();
                return 0;
            }
            return Default(message, wParam, lParam);
        case WM_TIMER:
            OnAnimationTimer(wParam);
            return 0;
        case WM_SETCURSOR:
            if (OnSetCursor(lParam)) return TRUE;
            return Default(message, wParam, lParam);
        case WM_MOUSEMOVE:
            if (interactive_) OnMouseMove(x, y);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (interactive_) OnButtonDown(x, y);
            return 0;
        case WM_LBUTTONUP:
            if (interactive_) OnButtonUp(x, y);
            drag_.OnButtonUp(handle(), lParam);
            return 0;
        case WM_CAPTURECHANGED:
            drag_.OnCaptureLost();
            if (pressedItem_ != 0) {
                pressedItem_ = 0;
                Redraw();
            }
            return 0;
        case WM_MOUSELEAVE:
            OnMouseLeave();
            return 0;
        case WM_KEYDOWN:
            if (interactive_ && OnKeyDown(wParam)) return 0;
            return Default(message, wParam, lParam);
        case WM_SYSKEYDOWN:
            if (!interactive_) return 0;  // no Alt+F4 while opening
            return Default(message, wParam, lParam);
        case WM_CHAR:
            if (OnChar(wParam)) return 0;
            return Default(message, wParam, lParam);
        default: return Default(message, wParam, lParam);
    }
}

LRESULT MsgBoxWindow::OnClose(WPARAM code) {
    if (code == kFinalCloseCode) {
        // Enabled before the window goes, so the activation returns to it.
        if (disabledOwner_) disabledOwner_->Restore();
        return Default(WM_CLOSE, code, 0);
    }
    // Alt+F4, a close request from elsewhere: the close button's answer,
    // whatever has the focus.
    RequestClose(numbering_.Close());
    return 0;
}

bool MsgBoxWindow::OnSetCursor(LPARAM lParam) {
    if (LOWORD(lParam) != HTCLIENT) return false;
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(handle(), &at);
    const int cursor = interactive_ && HitTest(at.x, at.y) != 0 ? kCursorHand : kCursorClass;
    const HCURSOR shown = skin_.skinCursors[static_cast<std::size_t>(cursor)].Get();
    if (!shown) return false;
    SetCursor(shown);
    return true;
}

int MsgBoxWindow::HitTest(int x, int y) const {
    // Texts have their rectangles too, but take no clicks: a press on them
    // drags the box like its background.
    for (int i = 1; i <= numbering_.Count(); ++i) {
        const SkinItem& item = Item(i);
        if (item.visible && item.kind != ItemKind::Text && Contains(item.hitRect, x, y)) return i;
    }
    return 0;
}

void MsgBoxWindow::Hover(int item) {
    if (item == hotItem_) return;
    if (hotItem_ != 0) Item(hotItem_).hover.FadeOut();
    if (item != 0) Item(item).hover.FadeIn();
    hotItem_ = item;
    if (!skin_.hoverFades)
        for (SkinItem& each : items_) each.hover.Finish();
    Redraw();
    UpdateMotionTimer();
}

void MsgBoxWindow::OnMouseMove(int x, int y) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle(), 0};
    TrackMouseEvent(&track);
    drag_.OnMouseMove(handle());
    Hover(HitTest(x, y));
}

void MsgBoxWindow::OnMouseLeave() {
    if (pressedItem_ == 0) Hover(0);
}

void MsgBoxWindow::OnButtonDown(int x, int y) {
    const int item = HitTest(x, y);
    if (item == 0) {
        drag_.OnButtonDown(handle());
        return;
    }
    SetCapture(handle());
    pressedItem_ = item;
    Hover(item);
    if (numbering_.IsButton(item)) focusItem_ = item;
    Redraw();
}

void MsgBoxWindow::OnButtonUp(int x, int y) {
    const int item = std::exchange(pressedItem_, 0);
    if (item == 0) return;
    shownCurrent_ = false;  // still shown pressed
    if (GetCapture() == handle()) ReleaseCapture();
    if (HitTest(x, y) != item) {
        // Released elsewhere: nothing happens.
        Hover(HitTest(x, y));
        Redraw();
        return;
    }
    if (Item(item).kind == ItemKind::Check) {
        Item(item).checked = !Item(item).checked;
        Redraw();
    } else {
        RequestClose(item);
    }
}

bool MsgBoxWindow::OnKeyDown(WPARAM key) {
    switch (key) {
        case VK_TAB: MoveFocus(numbering_.NextFocus(focusItem_, !ShiftDown())); return true;
        case VK_RIGHT:
        case VK_DOWN: MoveFocus(numbering_.NextFocus(focusItem_, true)); return true;
        case VK_LEFT:
        case VK_UP: MoveFocus(numbering_.NextFocus(focusItem_, false)); return true;
        case VK_ESCAPE: RequestClose(numbering_.Close()); return true;
        default: return false;
    }
}

bool MsgBoxWindow::OnChar(WPARAM character) {
    if (character == kCtrlC) {
        CopyToClipboard();
        MessageBeep(0);
        return true;
    }
    if (!interactive_) return true;
    if ((character == VK_RETURN || character == VK_SPACE) && numbering_.IsButton(focusItem_)) {
        RequestClose(focusItem_);
        return true;
    }
    return false;
}

void MsgBoxWindow::MoveFocus(int item) {
    focusItem_ = item;
    Redraw();
}

void MsgBoxWindow::RequestClose(int item) {
    if (closing_ || !handle()) return;
    const bool opened = interactive_;
    // Drawing the box again costs more than the whole closing's other steps:
    // what is shown is kept when nothing has changed since it was drawn.
    closeShown_ = opened && shownCurrent_ && flashStep_ == 0;
    closing_ = true;
    interactive_ = false;
    resultItem_ = item;
    if (GetCapture() == handle()) ReleaseCapture();
    openingTimer_.Stop();
    motionTimer_.Stop();
    flashStep_ = 0;
    tick_ = 0;
    motionStart_ = std::chrono::steady_clock::now();
    // The box may have been dragged: it closes where it is now.
    RECT now{};
    if (opened && GetWindowRect(handle(), &now)) {
        layout_.x = now.left;
        layout_.y = now.top;
    }
    // The first frame at once, the others when they are due.
    StepClosing();
}

void MsgBoxWindow::CopyToClipboard() const {
    PutTextOnClipboard(handle(), ClipboardText(title_, message_, captions_));
}

}  // namespace vorn::skin
