// The skill-list edit under the field panel. It exists only while the monster
// uses skills: switching skills on shows it, switching them off hides and
// greys it; its text is kept either way.
#pragma once

#include "runtime/interfaces/property_access.h"

namespace vorn::mainwindow {

// The skill combo box changed to this selection index (0 = no skills).
void OnSkillsSwitched(runtime::PropertyAccess& properties, int selectionIndex);

// A key was pressed in the skill edit. Enter closes the line without switching
// skills off: hidden, still enabled, text kept.
void OnSkillLineKey(runtime::PropertyAccess& properties, int keyCode);

}  // namespace vorn::mainwindow
