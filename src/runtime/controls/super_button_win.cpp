#include "runtime/controls/super_button_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include "runtime/controls/button_tips_win.h"
#include "runtime/controls/gdi_win.h"
#include "runtime/base/utf_win.h"

namespace vorn::runtime {
namespace {

void DrawPicture(HDC dc, HBITMAP picture, const RECT& client) {
    DrawBitmapAt(dc, picture, client.right, client.bottom);
}

}  // namespace

HBITMAP SuperButton::LazyPicture::Get(const ControlContext& context) {
    if (!decoded_) {
        decoded_ = true;
        if (id_ != kNoPicture && context.pictures) bitmap_ = DecodePicture(context.pictures(id_));
    }
    return bitmap_.get();
}

bool SuperButton::Create(HWND parent) {
    RegisterOwnClass(kClassName, 0, LoadCursorW(nullptr, IDC_HAND));
    if (!CreateOwn(kClassName, 0, CommonStyle(), Widen(layout().text), parent)) return false;
    if (context().tips) context().tips->Add(handle(), Widen(layout().text), context().font);
    return true;
}

LRESULT SuperButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETFONT: return reinterpret_cast<LRESULT>(context().font);
        case WM_PAINT: Paint(); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_MOUSEMOVE:
            if (context().tips) context().tips->OnMouseMove(handle(), wParam, lParam);
            OnMouseMove();
            return 0;
        case WM_MOUSELEAVE:
            hovering_ = false;
            InvalidateRect(handle(), nullptr, FALSE);
            return 0;
        case WM_LBUTTONDOWN:
            if (layout().tabStop) SetFocus(handle());
            pressed_ = true;
            SetCapture(handle());
            InvalidateRect(handle(), nullptr, FALSE);
            return 0;
        case WM_LBUTTONUP: OnButtonUp(lParam); return 0;
        case WM_CAPTURECHANGED:
            pressed_ = false;
            InvalidateRect(handle(), nullptr, FALSE);
            return 0;
        case WM_GETDLGCODE: return OnGetDlgCode(lParam);
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            // The keyboard's button is lit as under the mouse.
            InvalidateRect(handle(), nullptr, FALSE);
            return Default(message, wParam, lParam);
        case WM_KEYDOWN:
            // Only the first press, not the key's auto-repeat.
            if ((wParam == VK_SPACE || wParam == VK_RETURN) && !(lParam & (1 << 30)))
                Raise(EventKind::Clicked);
            return 0;
        case WM_DESTROY:
            if (context().tips) context().tips->Remove(handle());
            return Default(message, wParam, lParam);
        default: return Default(message, wParam, lParam);
    }
}

void SuperButton::OnMouseMove() {
    if (hovering_) return;
    hovering_ = true;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle(), 0};
    TrackMouseEvent(&track);
    InvalidateRect(handle(), nullptr, FALSE);
}

void SuperButton::OnButtonUp(LPARAM position) {
    if (!pressed_) return;
    pressed_ = false;
    ReleaseCapture();
    RECT client{};
    GetClientRect(handle(), &client);
    const POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    InvalidateRect(handle(), nullptr, FALSE);
    if (PtInRect(&client, at)) Raise(EventKind::Clicked);
}

LRESULT SuperButton::OnGetDlgCode(LPARAM lParam) const {
    // Space and Enter press this button rather than the window's default one.
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (message && message->message == WM_KEYDOWN &&
        (message->wParam == VK_SPACE || message->wParam == VK_RETURN))
        return DLGC_WANTMESSAGE;
    return 0;
}

void SuperButton::Paint() {
    BufferedPaint paint(handle());
    HDC dc = paint.dc();
    const RECT& client = paint.client();
    const bool lit = hovering_ || GetFocus() == handle();
    HBITMAP picture = lit ? hover_.Get(context()) : nullptr;
    if (picture == nullptr) picture = normal_.Get(context());
    if (picture) {
        DrawPicture(dc, picture, client);
    } else {
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
    }
    // The XP-style frame: light and thin, brighter under the mouse, darker
    // while pressed.
    const COLORREF frame = pressed_ ? RGB(150, 150, 150)
                           : lit ? RGB(255, 255, 255)
                                       : RGB(214, 214, 214);
    UniquePen pen(CreatePen(PS_SOLID, 1, frame));
    SelectedObject selectedPen(dc, pen.get());
    SelectedObject hollow(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, client.left, client.top, client.right, client.bottom, 5, 5);
}

}  // namespace vorn::runtime
