#include "runtime/controls/trans_label_win.h"

#include "runtime/controls/caption_text_win.h"
#include "runtime/controls/gdi_win.h"
#include "runtime/interfaces/property_access.h"
#include "runtime/base/utf_win.h"

namespace vorn::runtime {

bool TransLabel::Create(HWND parent) {
    RegisterOwnClass(kClassName, 0, nullptr);
    return CreateOwn(kClassName, 0, CommonStyle() & ~WS_TABSTOP, Widen(layout().text), parent) !=
           nullptr;
}

std::string TransLabel::ReadText(int property) {
    if (handle() == nullptr || property != prop::translabel::kCaption) return {};
    return WindowTextOf(handle());
}

void TransLabel::WriteText(int property, std::string_view text) {
    if (handle() == nullptr || property != prop::translabel::kCaption) return;
    SetWindowTextW(handle(), Widen(text).c_str());
}

LRESULT TransLabel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETFONT: return reinterpret_cast<LRESULT>(context().font);
        case WM_PAINT: Paint(); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_NCHITTEST: return HTTRANSPARENT;
        case WM_SETTEXT: {
            const LRESULT result = Default(message, wParam, lParam);
            // Repainted whole, background included: no trace of the old text.
            InvalidateRect(handle(), nullptr, FALSE);
            return result;
        }
        default: return Default(message, wParam, lParam);
    }
}

void TransLabel::Paint() {
    BufferedPaint paint(handle());
    HDC dc = paint.dc();
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

    SelectedObject font(dc, context().font);
    SetTextColor(dc, ColourOr(layout().textColour, COLOR_WINDOWTEXT));
    DrawCaption(dc, WideWindowText(handle()), paint.client(), layout().align, layout().valign,
                false);
}

}  // namespace vorn::runtime
