// The new-monster command: the window as the program starts.
#pragma once

#include "runtime/interfaces/property_access.h"

namespace vorn::mainwindow {

// Gives every edit and combo box of the layout its start-up content,
// selection, visibility, enabled state and colour (the skill line hidden, the
// slot-name boxes locked on their placeholders), then the tip line its
// welcome. An edit's write runs its handler, as every program write does.
void ShowStartUpState(runtime::PropertyAccess& properties);

}  // namespace vorn::mainwindow
