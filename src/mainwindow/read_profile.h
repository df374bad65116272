// Reading the monster from the controls of the main window, field by field in
// the fixed order of the monster file.
#pragma once

#include "profile/monster_profile.h"
#include "runtime/interfaces/property_access.h"

namespace vorn::mainwindow {

// Reads the profile from the main window. A rate above 100 is written back
// into its edit as "100" (which runs that edit's content-changed handler);
// nothing else is written.
profile::MonsterProfile ReadProfile(runtime::PropertyAccess& properties);
profile::MonsterProfile ReadProfile(runtime::PropertyAccess& properties,
                                    profile::ProfileReadObserver& observer);

}  // namespace vorn::mainwindow
