#include "runtime_fixture.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "runtime/controls/message_loop_win.h"
#include "runtime/base/utf_win.h"

namespace vorn::runtime::testing {

std::vector<Event> RecordingSink::Of(ControlId control, EventKind kind) const {
    std::vector<Event> found;
    std::copy_if(events.begin(), events.end(), std::back_inserter(found),
                 [&](const Event& event) { return event.control == control && event.kind == kind; });
    return found;
}

TestWindow::TestWindow(std::vector<ControlLayout> controlLayouts, LoadOptions options,
                       PictureId background)
    : controlLayouts_(std::move(controlLayouts)) {
    layout_.background = background;
    layout_.name = "TestWindow";
    layout_.id = kTestWindowId;
    layout_.width = 320;
    layout_.height = 200;
    layout_.title = "运行时测试";
    layout_.controls = controlLayouts_;
    window_ = LoadWindow(layout_, sink, registry, std::move(options));
}

TestWindow::~TestWindow() {
    window_.reset();
    PumpMessages();
}

HWND TestWindow::Control(ControlId id) const {
    const runtime::Control* control = window_ ? window_->FindControl(id) : nullptr;
    return control ? control->handle() : nullptr;
}

void TestWindow::ShowActive() {
    // Not a taskbar window during tests: Wine then leaves it to no window
    // manager and need not wait for one when the window goes.
    SetWindowLongW(handle(), GWL_EXSTYLE, GetWindowLongW(handle(), GWL_EXSTYLE) & ~WS_EX_APPWINDOW);
    ShowWindow(handle(), SW_SHOWNORMAL);
    SetForegroundWindow(handle());
    SetActiveWindow(handle());
    UpdateWindow(handle());
    PumpMessages();
}

void PumpMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchWithNavigation(message);
}

bool PumpUntil(const std::function<bool()>& done) {
    for (int round = 0; round < 500 && !done(); ++round) {
        PumpMessages();
        if (done()) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return done();
}

std::string TextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return Narrow(text);
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

void TypeCharacter(HWND window, wchar_t character) {
    SendMessageW(window, WM_CHAR, character, 1);
}

namespace {

void SendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

}  // namespace

void MoveMouseTo(POINT screen) {
    // Exact pixels, without the rounding of absolute input coordinates.
    SetCursorPos(screen.x, screen.y);
    SendMouse(MOUSEEVENTF_MOVE);
}

void PressLeftButton(POINT screen) {
    MoveMouseTo(screen);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
}

void ReleaseLeftButton(POINT screen) {
    MoveMouseTo(screen);
    SendMouse(MOUSEEVENTF_LEFTUP);
}

void DragMouse(POINT from, POINT to) {
    // A hand's pace from another thread: the window's thread is busy inside
    // the system's move loop meanwhile, and moves queued all at once would
    // be merged into one before that loop starts.
    std::atomic<bool> done = false;
    std::thread hand([&] {
        constexpr int kSteps = 8;
        PressLeftButton(from);
        for (int step = 1; step <= kSteps; ++step) {
            Sleep(15);
            MoveMouseTo({from.x + (to.x - from.x) * step / kSteps,
                         from.y + (to.y - from.y) * step / kSteps});
        }
        Sleep(15);
        ReleaseLeftButton(to);
        done = true;
    });
    PumpUntil([&] { return done.load(); });
    hand.join();
    PumpMessages();
}

POINT CentreOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT centre{client.right / 2, client.bottom / 2};
    ClientToScreen(window, &centre);
    return centre;
}

COLORREF PixelOf(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

}  // namespace vorn::runtime::testing
