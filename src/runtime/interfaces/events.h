// Events raised by controls and delivered to the program's handler routines.
#pragma once

#include "runtime/interfaces/layout.h"

namespace vorn::runtime {

enum class EventKind {
    CreationFinished,  // of the window, before its first show
    SelectionChanged,  // ComboBox: a list item was selected
    SpinPressed,       // EditBox spin buttons: argument +1 (up) or -1 (down)
    ContentChanged,    // EditBox: by the user or by a program write
    KeyPressed,        // argument: the virtual key code
    Clicked,           // SuperBtn, Button, Label
    FocusLost,
    PeriodElapsed,     // Timer
};

struct Event {
    WindowId window = 0;
    ControlId control = 0;  // 0 for the window itself
    EventKind kind = EventKind::Clicked;
    int argument = 0;
};

class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void OnEvent(const Event& event) = 0;
};

}  // namespace vorn::runtime
