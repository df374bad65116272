#include "runtime/controls/top_level_window_win.h"

#include "runtime/controls/child_notifications_win.h"
#include "runtime/controls/gdi_win.h"
#include "runtime/base/utf_win.h"

namespace vorn::runtime {

static_assert(kCloseRequestMessage == WM_CLOSE && kDestroyedMessage == WM_DESTROY);

bool TopLevelWindow::Create(const WindowLayout& layout) {
    RegisterOwnClass(kClassName, 0, nullptr);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + (work.right - work.left - layout.width) / 2;
    const int y = work.top + (work.bottom - work.top - layout.height) / 2;
    // No frame and no caption of its own; minimise but no maximise; in the taskbar.
    const DWORD style = WS_POPUP | WS_MINIMIZEBOX | WS_SYSMENU | WS_CLIPCHILDREN;
    const DWORD exStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
    return CreateOwnWindow(kClassName, exStyle, style, Widen(layout.title).c_str(), x, y,
                           layout.width, layout.height, nullptr, 0) != nullptr;
}

void TopLevelWindow::SetBackground(UniqueBitmap background) {
    background_ = std::move(background);
    if (handle()) InvalidateRect(handle(), nullptr, TRUE);
}

void TopLevelWindow::PaintBackground(HDC dc) const {
    RECT client{};
    GetClientRect(handle(), &client);
    // Black wherever the picture does not reach (its width is one short).
    SetBkColor(dc, RGB(0, 0, 0));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
    if (!background_) return;
    DrawBitmapAt(dc, background_.get(), client.right, client.bottom);
}

LRESULT TopLevelWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ForwardToChild(directory_, message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            BufferedPaint paint(handle());
            PaintBackground(paint.dc());
            return 0;
        }
        case WM_PRINTCLIENT: PaintBackground(reinterpret_cast<HDC>(wParam)); return 0;
        // The background acts as the title bar: a press there moves the
        // window. Moved here rather than by the system's move loop, exactly
        // as labels and panels move it.
        case WM_LBUTTONDOWN: drag_.OnButtonDown(handle()); return 0;
        case WM_MOUSEMOVE: drag_.OnMouseMove(handle()); return 0;
        case WM_LBUTTONUP: drag_.OnButtonUp(handle(), lParam); return 0;
        case WM_CAPTURECHANGED: drag_.OnCaptureLost(); return 0;
        case WM_NCLBUTTONDBLCLK:
            if (wParam == HTCAPTION) return 0;  // never maximise
            return Default(message, wParam, lParam);
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_MAXIMIZE) return 0;
            return Default(message, wParam, lParam);
        case WM_TIMER:
            if (Control* timer = directory_.FindControl(static_cast<ControlId>(wParam))) {
                timer->OnTimer();
                return 0;
            }
            return Default(message, wParam, lParam);
        case WM_CLOSE: return OnClose(wParam, lParam);
        case WM_DESTROY: return OnDestroy(wParam, lParam);
        default: return Default(message, wParam, lParam);
    }
}

LRESULT TopLevelWindow::OnClose(WPARAM wParam, LPARAM lParam) {
    const auto window = reinterpret_cast<WindowHandle>(handle());
    if (closeHandler_ && closeHandler_(window, kCloseRequestMessage) == kKeepWindowOpen) return 0;
    return Default(WM_CLOSE, wParam, lParam);
}

LRESULT TopLevelWindow::OnDestroy(WPARAM wParam, LPARAM lParam) {
    const auto window = reinterpret_cast<WindowHandle>(handle());
    if (closeHandler_) closeHandler_(window, kDestroyedMessage);
    return Default(WM_DESTROY, wParam, lParam);
}

}  // namespace vorn::runtime
