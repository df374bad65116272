// Handlers of the field panel (job, gender, hair, drop, dig, fee, skills):
// each choice is echoed in the tip line, the two rate edits step on their
// spin buttons and the skill line comes and goes with the skill switch.
#pragma once

#include "runtime/interfaces/events.h"
#include "runtime/interfaces/property_access.h"

namespace vorn::mainwindow {

// Runs the handler for an event of one of the field controls. Returns false
// when the event is not one the field panel handles.
bool HandleFieldEvent(runtime::PropertyAccess& properties, const runtime::Event& event);

}  // namespace vorn::mainwindow
