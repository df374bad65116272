// Shared pieces of the runtime tests: a sink that records events, a window
// loaded from a small test layout, and message pumping.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/interfaces/events.h"
#include "runtime/controls/live_controls_win.h"
#include "runtime/controls/window_loader_win.h"

namespace vorn::runtime::testing {

inline constexpr WindowId kTestWindowId = 0x52019999;

class RecordingSink final : public EventSink {
public:
    void OnEvent(const Event& event) override {
        events.push_back(event);
        if (onEvent) onEvent(event);
    }
    // Events of one control and kind, in order.
    std::vector<Event> Of(ControlId control, EventKind kind) const;
    int Count(ControlId control, EventKind kind) const {
        return static_cast<int>(Of(control, kind).size());
    }

    std::vector<Event> events;
    std::function<void(const Event&)> onEvent;  // runs inside the event
};

// A window of the given controls, loaded (not shown) for one test.
class TestWindow {
public:
    explicit TestWindow(std::vector<ControlLayout> controlLayouts, LoadOptions options = {},
                        PictureId background = kNoPicture);
    ~TestWindow();

    bool loaded() const { return window_ != nullptr; }
    HWND handle() const { return window_ ? window_->handle() : nullptr; }
    HWND Control(ControlId id) const;
    // Shows the window in front and gives it the keyboard focus.
    void ShowActive();

    RecordingSink sink;
    WindowRegistry registry;
    LiveControls controls{registry};

private:
    std::vector<ControlLayout> controlLayouts_;
    WindowLayout layout_;
    std::unique_ptr<LoadedWindow> window_;
};

// Dispatches every queued message, as the program's loop would.
void PumpMessages();
// Pumps until `done` holds or a generous limit passes; returns `done()`.
bool PumpUntil(const std::function<bool()>& done);

// Text of a window, UTF-8.
std::string TextOf(HWND window);
std::wstring ClassOf(HWND window);

// Sends a typed character as the keyboard would deliver it.
void TypeCharacter(HWND window, wchar_t character);

// Real mouse input through the system's input queue, in screen coordinates.
void MoveMouseTo(POINT screen);
void PressLeftButton(POINT screen);
void ReleaseLeftButton(POINT screen);
// Press at `from`, move there in small steps, release at `to`.
void DragMouse(POINT from, POINT to);

// Centre of a window's client area, in screen coordinates.
POINT CentreOf(HWND window);
// The colour on screen of a window's client pixel.
COLORREF PixelOf(HWND window, int x, int y);

}  // namespace vorn::runtime::testing
