// Putting a monster into the main window's controls, as if the user had set
// each one: the handlers run as they do for the user's own choices.
#pragma once

#include "profile/monster_profile.h"
#include "runtime/interfaces/events.h"
#include "runtime/interfaces/property_access.h"

namespace vorn::mainwindow {

// Writes every field into its control in the window's order: the name, the
// field panel from job to fee, the skills, the twelve slot-name boxes (an
// empty item shows the slot's placeholder). A combo box selected through its
// property raises no event, so each selection is followed by the
// SelectionChanged event a user's pick raises, delivered to `handlers`; edit
// writes run their content-changed handler by themselves. The tip line then
// shows the tip of the last field that has one. Slots 9 and 13 have no
// control and are not shown.
void ShowProfile(runtime::PropertyAccess& properties, runtime::EventSink& handlers,
                 const profile::MonsterProfile& monster);

}  // namespace vorn::mainwindow
