// Commands on controls that are not properties.
#pragma once

#include <cstdint>

#include "runtime/interfaces/layout.h"

namespace vorn::runtime {

// Native handle of a window, as an integer so platform-free code can pass it on.
using WindowHandle = std::uintptr_t;

class ControlCommands {
public:
    virtual ~ControlCommands() = default;
    // Gives the control the keyboard focus (unknown controls: nothing).
    virtual void SetFocus(WindowId window, ControlId control) = 0;
    // Destroys the control; its events no longer fire and its properties read as 0.
    virtual void DestroyControl(WindowId window, ControlId control) = 0;
    // Native handle of the window (0 when it does not exist).
    virtual WindowHandle HandleOf(WindowId window) = 0;
};

}  // namespace vorn::runtime
