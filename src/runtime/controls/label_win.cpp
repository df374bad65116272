#include "runtime/controls/label_win.h"

#include "runtime/base/utf_win.h"
#include "runtime/controls/caption_text_win.h"
#include "runtime/controls/gdi_win.h"
#include "runtime/controls/gradient.h"
#include "runtime/interfaces/property_access.h"

namespace vorn::runtime {

bool Label::Create(HWND parent) {
    const wchar_t* className = Transparent() ? kTransparentClassName : kClassName;
    RegisterOwnClass(className, 0, nullptr);
    return CreateOwn(className, 0, CommonStyle() & ~WS_TABSTOP, Widen(layout().text), parent) !=
           nullptr;
}

int Label::CaptionProperty() const {
    return Transparent() ? prop::translabel::kCaption : prop::label::kCaption;
}

std::string Label::ReadText(int property) {
    if (handle() == nullptr || property != CaptionProperty()) return {};
    return WindowTextOf(handle());
}

void Label::WriteText(int property, std::string_view text) {
    if (handle() == nullptr || property != CaptionProperty()) return;
    SetWindowTextW(handle(), Widen(text).c_str());
}

LRESULT Label::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETFONT: return reinterpret_cast<LRESULT>(context().font);
        case WM_PAINT: Paint(); return 0;
        case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
        case WM_NCHITTEST:
            if (Transparent()) return HTTRANSPARENT;
            return Default(message, wParam, lParam);
        case WM_SETTEXT: {
            const LRESULT result = Default(message, wParam, lParam);
            // Repainted whole, background included: no trace of the old text.
            InvalidateRect(handle(), nullptr, FALSE);
            return result;
        }
        case WM_LBUTTONDOWN:
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED: return OnMouse(message, wParam, lParam);
        default: return Default(message, wParam, lParam);
    }
}

LRESULT Label::OnMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    // A transparent label never sees a press: the parent takes it.
    if (Transparent()) return Default(message, wParam, lParam);
    switch (message) {
        case WM_LBUTTONDOWN: drag_.OnButtonDown(handle()); break;
        case WM_MOUSEMOVE: drag_.OnMouseMove(handle()); break;
        case WM_LBUTTONUP:
            if (drag_.OnButtonUp(handle(), lParam)) Raise(EventKind::Clicked);
            break;
        case WM_CAPTURECHANGED: drag_.OnCaptureLost(); break;
        default: break;
    }
    return 0;
}

void Label::PaintBackground(HDC dc, const RECT& client) const {
    const ControlLayout& layout = this->layout();
    if (!layout.gradient) {
        SetBkColor(dc, ColourOr(layout.backColour, COLOR_BTNFACE));
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
        return;
    }
    const int height = client.bottom - client.top;
    for (int row = 0; row < height; ++row) {
        SetBkColor(dc, ToColorRef(GradientColourAt(layout.gradientColours, row, height)));
        const RECT line{client.left, client.top + row, client.right, client.top + row + 1};
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &line, nullptr, 0, nullptr);
    }
}

void Label::PaintParentBackground(HDC dc) const {
    // The parent paints its background into our buffer, shifted so that the
    // part under this label lands at the buffer's origin.
    HWND parent = GetParent(handle());
    POINT origin{0, 0};
    MapWindowPoints(handle(), parent, &origin, 1);
    POINT previous{};
    SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc),
                 PRF_CLIENT | PRF_ERASEBKGND);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

void Label::Paint() {
    BufferedPaint paint(handle());
    HDC dc = paint.dc();
    if (Transparent()) PaintParentBackground(dc);
    else PaintBackground(dc, paint.client());
    SelectedObject font(dc, context().font);
    SetTextColor(dc, ColourOr(layout().textColour, COLOR_WINDOWTEXT));
    DrawCaption(dc, WideWindowText(handle()), paint.client(), layout().align, layout().valign,
                false);
}

}  // namespace vorn::runtime
