// Windows that hold controls (the main window, picture boxes) pass the
// notifications their children send them on to the child's own object.
#pragma once

#include <windows.h>

#include "runtime/controls/control_win.h"

namespace vorn::runtime {

// True when the message was a child notification that its control handled;
// `result` is then the value to return from the window procedure.
bool ForwardToChild(ControlDirectory& directory, UINT message, WPARAM wParam, LPARAM lParam,
                    LRESULT& result);

}  // namespace vorn::runtime
