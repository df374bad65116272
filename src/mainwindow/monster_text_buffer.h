// The monster file's body is assembled in the main window's hidden text
// buffer 编辑框_临时, piece by piece, while the profile is read.
#pragma once

#include "mainwindow/kept_from_file.h"
#include "profile/monster_profile.h"
#include "runtime/interfaces/property_access.h"

namespace vorn::mainwindow {

// Clears the hidden buffer, reads the profile and appends each field's piece
// at the end of the buffer as soon as the field is read. The buffer then
// holds profile::MonsterBody of the returned profile.
//
// With lines kept from an opened file, the slots without a name box take the
// kept items and the kept lines stand where profile::PlaceKeptLines puts them,
// so the buffer holds MonsterBody(profile, extras).
profile::MonsterProfile BuildMonsterText(runtime::PropertyAccess& properties,
                                         const KeptFromFile* kept = nullptr);

}  // namespace vorn::mainwindow
