#include "e2e/drawn_items.h"

#include "e2e/window_probe.h"
#include "mainwindow/main_window_layout.h"

namespace vorn::e2e {
namespace {

constexpr int kCloseWidth = 48, kMinimiseWidth = 30, kButtonHeight = 22;
constexpr int kLabelBulletWidth = 12;

int WindowWidth(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client.right;
}

}  // namespace

POINT DrawnItemPoint(HWND mainWindow, std::uint32_t replacedControlId) {
    const runtime::ControlLayout* control =
        runtime::FindControl(mainwindow::MainWindowLayout(), replacedControlId);
    if (control == nullptr) return {-1, -1};
    const bool label = control->kind == runtime::ControlKind::Label;
    const int left = control->left + (label ? kLabelBulletWidth : 0);
    const int width = control->width - (label ? kLabelBulletWidth : 0);
    return ClientToScreenPoint(mainWindow, {left + width / 2, control->top + control->height / 2});
}

POINT CloseButtonPoint(HWND mainWindow) {
    return ClientToScreenPoint(mainWindow, {WindowWidth(mainWindow) - kCloseWidth / 2, kButtonHeight / 2});
}

POINT MinimiseButtonPoint(HWND mainWindow) {
    return ClientToScreenPoint(
        mainWindow, {WindowWidth(mainWindow) - kCloseWidth - kMinimiseWidth / 2, kButtonHeight / 2});
}

POINT CaptionPoint(HWND mainWindow) {
    return ClientToScreenPoint(mainWindow, {WindowWidth(mainWindow) - 140, 12});
}

COLORREF ScreenPixel(POINT screen) {
    HDC dc = GetDC(nullptr);
    const COLORREF colour = GetPixel(dc, screen.x, screen.y);
    ReleaseDC(nullptr, dc);
    return colour;
}

HCURSOR CurrentCursor() {
    CURSORINFO info{};
    info.cbSize = sizeof(info);
    return GetCursorInfo(&info) ? info.hCursor : nullptr;
}

}  // namespace vorn::e2e
