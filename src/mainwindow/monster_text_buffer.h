// The monster file's body is assembled in the main window's hidden text
// buffer 编辑框_临时, piece by piece, while the profile is read.
#pragma once

#include "profile/monster_profile.h"
#include "runtime/property_access.h"

namespace vorn::mainwindow {

// Clears the hidden buffer, reads the profile and appends each field's piece
// at the end of the buffer as soon as the field is read. The buffer then
// holds profile::MonsterBody of the returned profile.
profile::MonsterProfile BuildMonsterText(runtime::PropertyAccess& properties);

}  // namespace vorn::mainwindow
