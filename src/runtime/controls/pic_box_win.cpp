#include "runtime/controls/pic_box_win.h"

#include "runtime/controls/child_notifications_win.h"
#include "runtime/controls/gdi_win.h"

namespace vorn::runtime {

bool PicBox::Create(HWND parent) {
    RegisterOwnClass(kClassName, 0, nullptr);
    return CreateOwn(kClassName, WS_EX_CONTROLPARENT, CommonStyle() | WS_CLIPCHILDREN, L"",
                     parent) != nullptr;
}

void PicBox::PaintBackground(HDC dc) const {
    RECT client{};
    GetClientRect(handle(), &client);
    SetBkColor(dc, ColourOr(layout().backColour, COLOR_BTNFACE));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
}

LRESULT PicBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ForwardToChild(*context().directory, message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_GETFONT: return reinterpret_cast<LRESULT>(context().font);
        case WM_ERASEBKGND: PaintBackground(reinterpret_cast<HDC>(wParam)); return 1;
        case WM_PRINTCLIENT: PaintBackground(reinterpret_cast<HDC>(wParam)); return 0;
        case WM_LBUTTONDOWN: drag_.OnButtonDown(handle()); return 0;
        case WM_MOUSEMOVE: drag_.OnMouseMove(handle()); return 0;
        case WM_LBUTTONUP: drag_.OnButtonUp(handle(), lParam); return 0;
        case WM_CAPTURECHANGED: drag_.OnCaptureLost(); return 0;
        default: return Default(message, wParam, lParam);
    }
}

}  // namespace vorn::runtime
