// The twelve slot-name boxes beside the equipment pictures. A box is locked
// (disabled) unless its slot button was just clicked; Enter or leaving the box
// locks it again.
#pragma once

#include "runtime/interfaces/box_request.h"
#include "runtime/interfaces/control_commands.h"
#include "runtime/interfaces/layout.h"
#include "runtime/interfaces/property_access.h"
#include "runtime/interfaces/system_services.h"

namespace vorn::mainwindow {

// Slot button clicked: click sound, then enable the box, focus it and select
// its whole text so that typing replaces the placeholder or the old name.
void UnlockSlotName(runtime::PropertyAccess& properties, runtime::ControlCommands& commands,
                    runtime::SoundPlayer& sound, runtime::ControlId nameBox);

// Enter in the box: lock it and confirm with a tip box on the main window,
// whatever the text is. Returns the box's answer.
runtime::BoxAnswer ConfirmSlotName(runtime::PropertyAccess& properties,
                          runtime::ControlCommands& commands, runtime::BoxService& boxes,
                          runtime::ControlId nameBox);

// The box lost the focus: lock it, no confirmation.
void LockSlotName(runtime::PropertyAccess& properties, runtime::ControlId nameBox);

}  // namespace vorn::mainwindow
