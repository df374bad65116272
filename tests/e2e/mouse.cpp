#include "e2e/mouse.h"

#include <cstdlib>

namespace vorn::e2e {
namespace {

// A short pause between events, so the receiving queue sees them as separate
// moves and presses, as from a hand.
void Pause() { Sleep(15); }

void SendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

}  // namespace

void Mouse::MoveTo(POINT screen) {
    // SetCursorPos then a zero relative move: exact pixels, without the
    // rounding of absolute 0..65535 coordinates.
    SetCursorPos(screen.x, screen.y);
    SendMouse(MOUSEEVENTF_MOVE);
    Pause();
}

void Mouse::PressLeft(POINT screen) {
    const bool nearby = std::abs(screen.x - lastPress_.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
                      std::abs(screen.y - lastPress_.y) <= GetSystemMetrics(SM_CYDOUBLECLK);
    const auto apart = std::chrono::milliseconds(GetDoubleClickTime() + 100);
    const auto since = std::chrono::steady_clock::now() - lastPressTime_;
    if (nearby && since < apart)
        Sleep(static_cast<DWORD>(
            std::chrono::duration_cast<std::chrono::milliseconds>(apart - since).count()));
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    lastPress_ = screen;
    lastPressTime_ = std::chrono::steady_clock::now();
    Pause();
}

void Mouse::ReleaseLeft() {
    SendMouse(MOUSEEVENTF_LEFTUP);
    Pause();
}

void Mouse::ClickAt(POINT screen) {
    MoveTo(screen);
    PressLeft(screen);
    ReleaseLeft();
}

void Mouse::ClickWindow(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    ClickWindowAt(window, {client.right / 2, client.bottom / 2});
}

void Mouse::ClickWindowAt(HWND window, POINT client) {
    ClientToScreen(window, &client);
    ClickAt(client);
}

void Mouse::Drag(POINT from, POINT to, int steps) {
    MoveTo(from);
    PressLeft(from);
    for (int step = 1; step <= steps; ++step)
        MoveTo({from.x + (to.x - from.x) * step / steps, from.y + (to.y - from.y) * step / steps});
    ReleaseLeft();
}

}  // namespace vorn::e2e
