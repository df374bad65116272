#include "runtime/controls/label_win.h"

#include "runtime/controls/caption_text_win.h"
#include "runtime/controls/gdi_win.h"
#include "runtime/controls/gradient.h"
#include "runtime/interfaces/property_access.h"
#include "runtime/base/utf_win.h"

namespace vorn::runtime {

bool Label::Create(HWND parent) {
    RegisterOwnClass(kClassName, 0, nullptr);
    return CreateOwn(kClassName, 0, CommonStyle() & ~WS_TABSTOP, Widen(layout().text), parent) !=
           nullptr;
}

std::string Label::ReadText(int property) {
    if (handle() == nullptr || property != prop::label::kCaption) return {};
    return WindowTextOf(handle());
}

void Label::WriteText(int property, std::string_view text) {
    if (handle() == nullptr || property != prop::label::kCaption) return;
    SetWindowTextW(handle(), Widen(text).c_str());
}

LRESULT Label::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETFONT: return reinterpret_cast<LRESULT>(context().font);
        case WM_PAINT: Paint(); return 0;
        case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
        case WM_SETTEXT: {
            const LRESULT result = Default(message, wParam, lParam);
            InvalidateRect(handle(), nullptr, FALSE);
            return result;
        }
        case WM_LBUTTONDOWN: drag_.OnButtonDown(handle()); return 0;
        case WM_MOUSEMOVE: drag_.OnMouseMove(handle()); return 0;
        case WM_LBUTTONUP:
            if (drag_.OnButtonUp(handle(), lParam)) Raise(EventKind::Clicked);
            return 0;
        case WM_CAPTURECHANGED: drag_.OnCaptureLost(); return 0;
        default: return Default(message, wParam, lParam);
    }
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

void Label::Paint() {
    BufferedPaint paint(handle());
    HDC dc = paint.dc();
    PaintBackground(dc, paint.client());
    SelectedObject font(dc, context().font);
    SetTextColor(dc, ColourOr(layout().textColour, COLOR_WINDOWTEXT));
    DrawCaption(dc, WideWindowText(handle()), paint.client(), layout().align, layout().valign,
                false);
}

}  // namespace vorn::runtime
